// The test double of the window system: replays scripted answers and records every call.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "ui/Platform.h"

struct RecordedBox {
    WindowRef owner = nullptr;
    std::string caption;
    std::string text;
};

// One drawing call: "pen", "move", "line" or "text".
struct RecordedDrawing {
    std::string op;
    PenRef pen = nullptr;
    int x = 0;
    int y = 0;
    std::string text;
};

// A scripted answer of the number prompt: the field's text and OK, or CANCEL.
struct PromptAnswer {
    bool cancel = false;
    std::string fieldText;
};

// A scripted answer of a split dialog: START (or Enter), Escape, or the Ready button.
enum class SplitAnswer { Start, Escape, Ready };

struct RecordedSplitDialog {
    WindowRef owner = nullptr;
    SplitDialogKind kind = SplitDialogKind::SplitToChildren;
    SplitAnswer answer = SplitAnswer::Escape;
};

class FakePlatform : public Platform {
public:
    static inline WindowRef const MAIN_WINDOW = reinterpret_cast<WindowRef>(0x1000);
    static inline WindowRef const PROMPT_DIALOG = reinterpret_cast<WindowRef>(0x2000);
    static inline WindowRef const SPLIT_DIALOG = reinterpret_cast<WindowRef>(0x3000);
    static inline PenRef const THICK_GREEN_PEN = reinterpret_cast<PenRef>(0x4000);

    // Scripts. An empty pick queue answers every file dialog with a cancel.
    std::deque<std::optional<std::string>> picks;
    std::deque<PromptAnswer> promptAnswers;
    std::deque<SplitAnswer> splitAnswers;  // an empty queue answers with Escape
    ClientRect client{0, 0, 1008, 541};

    // Records.
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<RecordedBox> boxes;
    std::vector<std::string> promptQuestions;  // the text each prompt showed, up to its "*"
    std::vector<RecordedDrawing> drawings;
    std::vector<PenRef> deletedPens;
    std::vector<WindowRef> destroyedWindows;
    std::vector<RecordedSplitDialog> splitDialogs;
    int infoDialogs = 0;

    void pick(std::string path) { picks.emplace_back(std::move(path)); }
    void cancelPick() { picks.emplace_back(std::nullopt); }
    void answer(std::string fieldText) { promptAnswers.push_back({false, std::move(fieldText)}); }
    void cancelPrompt() { promptAnswers.push_back({true, {}}); }

    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    void messageBox(WindowRef owner, std::string_view caption, std::string_view text) override;
    void runNumberPrompt(WindowRef owner, AppState& state) override;
    void runSplitDialog(WindowRef owner, AppState& state, SplitDialogKind kind) override;
    void runInfoDialog(WindowRef owner) override;
    ClientRect clientRect(WindowRef window) override;
    std::unique_ptr<DrawingSurface> beginDrawing(WindowRef window) override;
    void deletePen(PenRef pen) override;
    void destroyWindow(WindowRef window) override;
};
