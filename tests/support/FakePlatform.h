// The test double of the window system: replays scripted answers and records every call.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/AppState.h"
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

// A scripted answer of a dialog: its default button (START, Enter), Escape, or another button
// that leaves it (Ready).
enum class DialogAnswer { Start, Escape, Ready };

struct RecordedDialog {
    WindowRef owner = nullptr;
    int dialogId = 0;
    DialogAnswer answer = DialogAnswer::Escape;
};

class FakePlatform : public Platform {
public:
    static inline WindowRef const MAIN_WINDOW = reinterpret_cast<WindowRef>(0x1000);
    static inline WindowRef const DIALOG = reinterpret_cast<WindowRef>(0x3000);
    static inline PenRef const DIALOG_PEN = reinterpret_cast<PenRef>(0x4000);
    // The widths of the surfaces' font, in pixels.
    static constexpr int CHARACTER_WIDTH = 6;
    static constexpr int BLANK_WIDTH = 3;

    // Scripts. An empty pick queue answers every file dialog with a cancel; an empty prompt queue
    // answers 0, as Enter on an empty field does; an empty dialog queue answers with Escape.
    std::deque<std::optional<std::string>> picks;
    std::deque<std::optional<std::uint32_t>> promptAnswers;  // none: CANCEL
    std::deque<DialogAnswer> dialogAnswers;
    ClientRect client{0, 0, 1008, 541};
    int dpi = BASE_DOTS_PER_INCH;
    // The legacy code page's conversions, each answering one call; none: the bytes as they are.
    std::deque<std::string> legacyConversions;
    std::deque<std::optional<std::string>> textAnswers;  // none: CANCEL; an empty queue cancels
    // The thousandth at which the user presses CANCEL during a long work; none: never.
    std::optional<std::uint32_t> cancelProgressAt;

    // Records.
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<RecordedBox> boxes;
    std::vector<std::string> promptQuestions;
    int promptCancels = 0;
    std::vector<RecordedDrawing> drawings;
    std::vector<PenRef> deletedPens;
    std::vector<WindowRef> destroyedWindows;
    std::vector<RecordedDialog> dialogs;
    std::vector<std::string> legacyTexts;  // the bytes given to fromLegacyCodePage
    PanelHandler* panel = nullptr;  // the open panel
    std::vector<std::pair<int, bool>> checkedItems;
    int panelRepaints = 0;
    unsigned panelTickEvery = 0;           // the open panel's clock; 0: stopped
    std::vector<std::string> textPrompts;  // caption, "|", the text offered
    std::vector<std::string> progressCaptions;
    std::vector<std::uint32_t> progressTicks;

    // The sound device. Each open takes the next scripted refusal (none: it opens; an empty queue
    // opens too). A source given to play is read to its end at once, in blocks of
    // SOUND_BLOCK_BYTES, into soundPlayed; the device's clock is soundClock, in frames, moved by
    // the test, and it plays until the clock reaches the frames it was given.
    static constexpr std::size_t SOUND_BLOCK_BYTES = 4096;
    std::deque<std::optional<std::string>> soundRefusals;
    std::uint64_t soundClock = 0;
    std::string soundFailure;
    std::vector<SoundFormat> soundOpens;
    std::vector<std::uint8_t> soundPlayed;
    int soundSources = 0;
    int soundStops = 0;
    bool soundOpen = false;

    void pick(std::string path) { picks.emplace_back(std::move(path)); }
    void cancelPick() { picks.emplace_back(std::nullopt); }
    void answer(std::uint32_t number) { promptAnswers.emplace_back(number); }
    void cancelPrompt() { promptAnswers.emplace_back(std::nullopt); }

    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    void messageBox(WindowRef owner, std::string_view caption, std::string_view text) override;
    std::uint32_t promptNumber(WindowRef owner, std::string_view question) override;
    void runDialog(WindowRef owner, int dialogId, DialogHandler& handler) override;
    ClientRect clientRect(WindowRef window) override;
    int dotsPerInch(WindowRef window) override;
    std::unique_ptr<DrawingSurface> beginDrawing(WindowRef window) override;
    std::unique_ptr<DrawingSurface> beginOffscreenDrawing(WindowRef window) override;
    void openPanel(WindowRef owner, PanelHandler& handler) override;
    void closePanel(WindowRef owner) override;
    bool panelOpen(WindowRef owner) override;
    void repaintPanel(WindowRef owner) override;
    void tickPanel(WindowRef owner, unsigned everyMs) override;
    std::optional<std::string> promptText(WindowRef owner, std::string_view caption, std::string_view initial) override;
    bool runWithProgress(WindowRef owner, std::string_view caption,
                         const std::function<bool(const ProgressTick&)>& work) override;
    void checkMenuItem(WindowRef owner, int commandId, bool checked) override;
    void deletePen(PenRef pen) override;
    void destroyWindow(WindowRef window) override;
    std::string fromLegacyCodePage(std::string_view bytes) override;
    std::optional<std::string> openSound(const SoundFormat& format) override;
    void playSound(std::unique_ptr<SoundSource> source) override;
    SoundProgress soundProgress() override;
    void stopSound() override;
};
