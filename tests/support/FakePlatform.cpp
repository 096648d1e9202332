#include "support/FakePlatform.h"

#include "cut/NumberPrompt.h"
#include "split/SplitDialogs.h"

namespace {

class RecordingSurface : public DrawingSurface {
public:
    explicit RecordingSurface(std::vector<RecordedDrawing>& out) : out_(out) {}
    void selectPen(PenRef pen) override { out_.push_back({"pen", pen, 0, 0, {}}); }
    void moveTo(int x, int y) override { out_.push_back({"move", nullptr, x, y, {}}); }
    void lineTo(int x, int y) override { out_.push_back({"line", nullptr, x, y, {}}); }
    void textOut(int x, int y, std::string_view text) override
    {
        out_.push_back({"text", nullptr, x, y, std::string(text)});
    }

private:
    std::vector<RecordedDrawing>& out_;
};

}  // namespace

std::optional<std::string> FakePlatform::openFileDialog(const FileDialogRequest& request)
{
    fileDialogs.push_back(request);
    if (picks.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = std::move(picks.front());
    picks.pop_front();
    return answer;
}

void FakePlatform::messageBox(WindowRef owner, std::string_view caption, std::string_view text)
{
    boxes.push_back({owner, std::string(caption), std::string(text)});
}

// Plays the dialog as a user would: the question is shown, then OK with the field's text, or
// CANCEL. With no answer scripted the user presses Enter at once: OK on an empty field.
void FakePlatform::runNumberPrompt(WindowRef, AppState& state)
{
    promptQuestions.push_back(visiblePromptText(state.promptText));
    PromptAnswer answer;
    if (!promptAnswers.empty()) {
        answer = promptAnswers.front();
        promptAnswers.pop_front();
    }
    if (answer.cancel) {
        numberPromptCancel(state, *this, PROMPT_DIALOG);
    } else {
        numberPromptOk(state, answer.fieldText);
    }
}

// Plays the dialog as its procedure does: the header is prepared on its messages, START runs
// the split on real files; Escape and Ready leave without touching any file.
void FakePlatform::runSplitDialog(WindowRef owner, AppState& state, SplitDialogKind kind)
{
    SplitAnswer answer = SplitAnswer::Escape;
    if (!splitAnswers.empty()) {
        answer = splitAnswers.front();
        splitAnswers.pop_front();
    }
    splitDialogs.push_back({owner, kind, answer});
    prepareSplitHeader(state);
    if (answer == SplitAnswer::Start) {
        SplitFiles files;
        startSplit(state, *this, SPLIT_DIALOG, THICK_GREEN_PEN, kind, files);
    }
}

void FakePlatform::runInfoDialog(WindowRef) { ++infoDialogs; }

ClientRect FakePlatform::clientRect(WindowRef) { return client; }

std::unique_ptr<DrawingSurface> FakePlatform::beginDrawing(WindowRef)
{
    return std::make_unique<RecordingSurface>(drawings);
}

void FakePlatform::deletePen(PenRef pen) { deletedPens.push_back(pen); }

void FakePlatform::destroyWindow(WindowRef window) { destroyedWindows.push_back(window); }
