// The seam between the portable program and the window system. The Win32 layer implements it for
// the program; a test double implements it for native tests.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/Handles.h"

struct AppState;

// What the file-open dialog is asked for. The filter is the double-NUL-terminated list of
// description/pattern pairs; flags are the dialog's OFN_ flag bits.
struct FileDialogRequest {
    WindowRef owner = nullptr;
    std::string filter;
    std::string initialName;
    std::string title;
    std::uint32_t flags = 0;
    std::uint32_t maxFile = 0;
};

struct ClientRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A device context of one window, held for the length of one drawing.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    virtual void selectPen(PenRef pen) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    virtual void textOut(int x, int y, std::string_view text) = 0;
};

// The two dialogs that run a split: "SPLIT to Children" (ALLSPLIT) and "NEWSPLIT" (SPLIT TO CHILDREN).
enum class SplitDialogKind { SplitToChildren, NewSplit };

class Platform {
public:
    virtual ~Platform() = default;

    // Shows the modal file-open dialog; the chosen full path, or nothing when the user cancels
    // or the dialog cannot be shown.
    virtual std::optional<std::string> openFileDialog(const FileDialogRequest& request) = 0;

    // A modal box with one OK button and no icon.
    virtual void messageBox(WindowRef owner, std::string_view caption, std::string_view text) = 0;

    // Runs the number prompt modally; it stores its answer in state.promptValue.
    virtual void runNumberPrompt(WindowRef owner, AppState& state) = 0;

    // Runs a split dialog modally until START has done its work or the user leaves it.
    virtual void runSplitDialog(WindowRef owner, AppState& state, SplitDialogKind kind) = 0;

    virtual void runInfoDialog(WindowRef owner) = 0;

    virtual ClientRect clientRect(WindowRef window) = 0;
    virtual std::unique_ptr<DrawingSurface> beginDrawing(WindowRef window) = 0;

    virtual void deletePen(PenRef pen) = 0;
    virtual void destroyWindow(WindowRef window) = 0;
};

// What every command works with: the record, the window system and the main window that owns
// every dialog and box the command shows.
struct CommandContext {
    AppState& state;
    Platform& ui;
    WindowRef mainWindow = nullptr;
};
