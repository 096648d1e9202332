// The seam between the portable program and the window system. The Win32 layer implements it for
// the program; a test double implements it for native tests.
#pragma once

#include <cstdint>
#include <functional>
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

// The display's scale in pixels to the inch: 96 at 100 %, 192 at 200 %. The window's sizes and
// drawings are given for 96 and grow with the scale.
inline constexpr int BASE_DOTS_PER_INCH = 96;

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

// A panel: a child window over the whole client area of the main window, which draws itself on
// every repaint (off screen, then copied) and takes the keys and the mouse while it is open. Its
// behaviour is a PanelHandler; the window layer only translates messages into these calls.
// Space, Comma and Period are listening's.
enum class PanelKey {
    Other,
    Left,
    Right,
    Home,
    End,
    Tab,
    Insert,
    Delete,
    Escape,
    F2,
    Plus,
    Minus,
    M,
    Z,
    Y,
    Space,
    Comma,
    Period
};

struct KeyPress {
    PanelKey key = PanelKey::Other;
    bool shift = false;
    bool ctrl = false;
};

enum class MouseAction { Press, DoubleClick, RightClick, Move, Release, Wheel };

struct MouseEvent {
    MouseAction action = MouseAction::Move;
    int x = 0;
    int y = 0;
    int wheelSteps = 0;  // notches away from the user (up) are positive
    bool ctrl = false;
    bool shift = false;
};

enum class ScrollMove { LineBack, LineOn, PageBack, PageOn, To };

// The panel's horizontal scroll bar in the bar's own 32-bit positions; a max of 0 hides it.
struct PanelScroll {
    std::int32_t max = 0;
    std::int32_t page = 0;
    std::int32_t position = 0;
};

enum class PanelCursor { Arrow, LeftRight };

// The pens a panel draws with besides the record's: a thin black one, a thick red one and a light
// grey one.
struct PanelPens {
    PenRef black = nullptr;
    PenRef red = nullptr;
    PenRef grey = nullptr;
};

class PanelHandler {
public:
    virtual ~PanelHandler() = default;
    // The whole panel, drawn on a cleared (white) copy that reaches the screen in one step.
    virtual void onPaint(DrawingSurface&, const ClientRect&, const PanelPens&) {}
    virtual void onResize(const ClientRect&) {}
    virtual void onKey(const KeyPress&) {}
    virtual void onMouse(const MouseEvent&) {}
    virtual void onScroll(ScrollMove, std::int32_t) {}
    // The mouse left the panel's hold (another window took it): a drag under way ends as if let go.
    virtual void onCaptureLost() {}
    // The panel's clock, while it is asked to tick (tickPanel).
    virtual void onTick() {}
    virtual PanelCursor cursorAt(int, int) { return PanelCursor::Arrow; }
    virtual PanelScroll scrollBar() { return {}; }
};

// Told how far a long work has come, in thousandths; false when the user asked it to stop.
using ProgressTick = std::function<bool(std::uint32_t permille)>;

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
    // The scale of the display the window stands on, in pixels to the inch.
    virtual int dotsPerInch(WindowRef window) = 0;
    virtual std::unique_ptr<DrawingSurface> beginDrawing(WindowRef window) = 0;
    // The same drawing into a copy of what the client area shows, which reaches the window in one
    // step when the surface is given back: for drawings of millions of lines.
    virtual std::unique_ptr<DrawingSurface> beginOffscreenDrawing(WindowRef window) = 0;

    // Opens the panel over the owner's client area with the keys' focus, closes it (the owner's
    // client area then shows what it showed before), and has it drawn again.
    virtual void openPanel(WindowRef owner, PanelHandler& handler) = 0;
    virtual void closePanel(WindowRef owner) = 0;
    virtual bool panelOpen(WindowRef owner) = 0;
    virtual void repaintPanel(WindowRef owner) = 0;
    // Has the open panel's onTick called every everyMs milliseconds from now on; 0 stops it.
    virtual void tickPanel(WindowRef owner, unsigned everyMs) = 0;

    // Asks for a line of text under the caption, offering `initial`; none when the user cancels.
    virtual std::optional<std::string> promptText(WindowRef owner, std::string_view caption,
                                                  std::string_view initial) = 0;

    // Runs the work with a progress bar and CANCEL under the caption; gives what the work gives.
    virtual bool runWithProgress(WindowRef owner, std::string_view caption,
                                 const std::function<bool(const ProgressTick&)>& work) = 0;

    // Shows the owner's menu item checked or not.
    virtual void checkMenuItem(WindowRef owner, int commandId, bool checked) = 0;

    virtual void deletePen(PenRef pen) = 0;
    virtual void destroyWindow(WindowRef window) = 0;
    // Bytes in the system's legacy code page (Windows-1252 on a Western system: what files of the
    // time before UTF-8 hold) as UTF-8.
    virtual std::string fromLegacyCodePage(std::string_view bytes) = 0;

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
