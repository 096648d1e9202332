// The window system behind the program's seam: common dialogs, message boxes, dialogs, GDI.
#pragma once

#include <windows.h>

#include "ui/Platform.h"
#include "ui/win32/WaveOutput.h"

class Win32Platform : public Platform {
public:
    // The module whose resources hold the dialogs.
    explicit Win32Platform(HINSTANCE instance) : instance_(instance) {}

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

private:
    HINSTANCE instance_;
    WaveOutput sound_;
};
