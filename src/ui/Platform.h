// The seam between the portable program and the window system. The Win32 layer implements it for
// the program; a test double implements it for native tests.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/FileIo.h"
#include "core/Handles.h"
#include "ui/SoundDevice.h"

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
    // How many pixels wide the text stands in the context's font.
    virtual int textWidth(std::string_view text) = 0;
};

// A modal dialog's behaviour apart from its window: the dialog's procedure calls these, and a
// test double calls them as its script says. A dialog without behaviour of its own uses this
// class as it is.
class DialogHandler {
public:
    virtual ~DialogHandler() = default;
    // Before the dialog handles any message of its own.
    virtual void onMessage() {}
    // The dialog's own drawing, each time the window system has it painted.
    virtual void onPaint(DrawingSurface&) {}
    // The default button: does the dialog's work, drawing on the dialog with the pen the dialog
    // made for itself; the dialog closes after it.
    virtual void onStart(WindowRef, PenRef) {}
};

class Platform {
public:
    virtual ~Platform() = default;

    // Shows the modal file-open dialog; the chosen full path, or nothing when the user cancels
    // or the dialog cannot be shown.
    virtual std::optional<std::string> openFileDialog(const FileDialogRequest& request) = 0;

    // A modal box with one OK button and no icon.
    virtual void messageBox(WindowRef owner, std::string_view caption, std::string_view text) = 0;

    // Asks for one unsigned number, showing the question up to its first "*"; 0 when the user
    // cancels (the prompt then says so itself) or gives no usable number.
    virtual std::uint32_t promptNumber(WindowRef owner, std::string_view question) = 0;

    // Runs the dialog resource dialogId modally, its behaviour given by the handler.
    virtual void runDialog(WindowRef owner, int dialogId, DialogHandler& handler) = 0;

    virtual ClientRect clientRect(WindowRef window) = 0;
    virtual std::unique_ptr<DrawingSurface> beginDrawing(WindowRef window) = 0;
    // The same drawing into a copy of what the client area shows, which reaches the window in one
    // step when the surface is given back: for drawings of millions of lines.
    virtual std::unique_ptr<DrawingSurface> beginOffscreenDrawing(WindowRef window) = 0;

    virtual void deletePen(PenRef pen) = 0;
    virtual void destroyWindow(WindowRef window) = 0;

    // The sound device, one sound at a time. Opens the device for this format; nothing when it
    // is open, the system's cause when it refuses (no device, a busy one, a format it cannot play).
    virtual std::optional<std::string> openSound(const SoundFormat& format) = 0;
    // Plays what the source gives on the open device, read block by block as it plays, until the
    // source ends or stopSound.
    virtual void playSound(std::unique_ptr<SoundSource> source) = 0;
    // How far the device has come with what it was given to play.
    virtual SoundProgress soundProgress() = 0;
    // Stops at once and closes the device; nothing when none is open.
    virtual void stopSound() = 0;
};

// What every command works with: the record, the window system and the main window that owns
// every dialog and box the command shows.
struct CommandContext {
    AppState& state;
    Platform& ui;
    WindowRef mainWindow = nullptr;
};
