// The window system behind the program's seam: common dialogs, message boxes, dialogs, GDI.
#pragma once

#include "ui/Platform.h"

class Win32Platform : public Platform {
public:
    explicit Win32Platform(AppState& state) : state_(state) {}

    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    void messageBox(WindowRef owner, std::string_view caption, std::string_view text) override;
    void runNumberPrompt(WindowRef owner, AppState& state) override;
    void runSplitDialog(WindowRef owner, AppState& state, SplitDialogKind kind) override;
    void runInfoDialog(WindowRef owner) override;
    ClientRect clientRect(WindowRef window) override;
    std::unique_ptr<DrawingSurface> beginDrawing(WindowRef window) override;
    void deletePen(PenRef pen) override;
    void destroyWindow(WindowRef window) override;

private:
    AppState& state_;
};
