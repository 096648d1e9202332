#include "support/FakePlatform.h"

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
    // A proportional font: a blank is narrower than any other character.
    int textWidth(std::string_view text) override
    {
        int width = 0;
        for (const char c : text) {
            width += c == ' ' ? FakePlatform::BLANK_WIDTH : FakePlatform::CHARACTER_WIDTH;
        }
        return width;
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

std::uint32_t FakePlatform::promptNumber(WindowRef, std::string_view question)
{
    promptQuestions.emplace_back(question);
    std::optional<std::uint32_t> answer = 0;
    if (!promptAnswers.empty()) {
        answer = promptAnswers.front();
        promptAnswers.pop_front();
    }
    if (!answer) {
        ++promptCancels;
        return 0;
    }
    return *answer;
}

// Plays the dialog as its procedure does: the handler hears of its messages, and the default
// button calls its START.
void FakePlatform::runDialog(WindowRef owner, int dialogId, DialogHandler& handler)
{
    DialogAnswer answer = DialogAnswer::Escape;
    if (!dialogAnswers.empty()) {
        answer = dialogAnswers.front();
        dialogAnswers.pop_front();
    }
    dialogs.push_back({owner, dialogId, answer});
    handler.onMessage();
    if (answer == DialogAnswer::Start) {
        handler.onStart(DIALOG, DIALOG_PEN);
    }
}

ClientRect FakePlatform::clientRect(WindowRef) { return client; }

std::unique_ptr<DrawingSurface> FakePlatform::beginDrawing(WindowRef)
{
    return std::make_unique<RecordingSurface>(drawings);
}

// The picture is the same either way, and so is the record.
std::unique_ptr<DrawingSurface> FakePlatform::beginOffscreenDrawing(WindowRef window) { return beginDrawing(window); }

void FakePlatform::deletePen(PenRef pen) { deletedPens.push_back(pen); }

void FakePlatform::destroyWindow(WindowRef window) { destroyedWindows.push_back(window); }

std::string FakePlatform::fromLegacyCodePage(std::string_view bytes)
{
    legacyTexts.emplace_back(bytes);
    if (legacyConversions.empty()) {
        return std::string(bytes);
    }
    std::string converted = std::move(legacyConversions.front());
    legacyConversions.pop_front();
    return converted;
}

int FakePlatform::dotsPerInch(WindowRef) { return dpi; }
std::optional<std::string> FakePlatform::openSound(const SoundFormat& format)
{
    soundOpens.push_back(format);
    std::optional<std::string> refusal;
    if (!soundRefusals.empty()) {
        refusal = soundRefusals.front();
        soundRefusals.pop_front();
    }
    soundOpen = !refusal;
    soundClock = 0;
    soundPlayed.clear();
    return refusal;
}

void FakePlatform::playSound(std::unique_ptr<SoundSource> source)
{
    ++soundSources;
    std::vector<std::uint8_t> block(SOUND_BLOCK_BYTES);
    while (const std::size_t got = source->read(block.data(), block.size())) {
        soundPlayed.insert(soundPlayed.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got));
    }
    soundFailure = source->failure();
}

SoundProgress FakePlatform::soundProgress()
{
    if (!soundOpen || soundOpens.empty() || soundOpens.back().blockAlign == 0) {
        return {};
    }
    const std::uint64_t given = soundPlayed.size() / soundOpens.back().blockAlign;
    const std::uint64_t played = soundClock < given ? soundClock : given;
    return {played, soundFailure.empty() && played < given, soundFailure};
}

void FakePlatform::stopSound()
{
    ++soundStops;
    soundOpen = false;
}

void FakePlatform::openPanel(WindowRef, PanelHandler& handler) { panel = &handler; }

void FakePlatform::closePanel(WindowRef) { panel = nullptr; }

bool FakePlatform::panelOpen(WindowRef) { return panel != nullptr; }

void FakePlatform::repaintPanel(WindowRef) { ++panelRepaints; }

std::optional<std::string> FakePlatform::promptText(WindowRef, std::string_view caption, std::string_view initial)
{
    textPrompts.push_back(std::string(caption) + "|" + std::string(initial));
    if (textAnswers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}

bool FakePlatform::runWithProgress(WindowRef, std::string_view caption,
                                   const std::function<bool(const ProgressTick&)>& work)
{
    progressCaptions.emplace_back(caption);
    return work([this](std::uint32_t permille) {
        progressTicks.push_back(permille);
        return !cancelProgressAt || permille < *cancelProgressAt;
    });
}

void FakePlatform::checkMenuItem(WindowRef, int commandId, bool checked)
{
    checkedItems.emplace_back(commandId, checked);
}

void FakePlatform::tickPanel(WindowRef, unsigned everyMs) { panelTickEvery = everyMs; }
