// The program's seam without a window: the split dialogs run at once as if START were pressed,
// drawings go nowhere and every box is kept, for the command line to print on standard error.
#pragma once

#include <string>
#include <vector>

#include "ui/Platform.h"

struct ConsoleBox {
    std::string caption;
    std::string text;
};

class ConsolePlatform : public Platform {
public:
    const std::vector<ConsoleBox>& boxes() const { return boxes_; }

    // Nobody is there to pick a file or type a number: a pick is cancelled, a prompt answers 0.
    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    void messageBox(WindowRef owner, std::string_view caption, std::string_view text) override;
    std::uint32_t promptNumber(WindowRef owner, std::string_view question) override;
    void runDialog(WindowRef owner, int dialogId, DialogHandler& handler) override;
    ClientRect clientRect(WindowRef window) override;
    std::unique_ptr<DrawingSurface> beginDrawing(WindowRef window) override;
    std::unique_ptr<DrawingSurface> beginOffscreenDrawing(WindowRef window) override;
    void deletePen(PenRef pen) override;
    void destroyWindow(WindowRef window) override;

private:
    std::vector<ConsoleBox> boxes_;
};

// A box as one message on standard error: "morlando-split: caption", then each line of the
// text indented by two blanks; the blanks around the caption are the window's, not the console's.
std::string consoleMessage(const ConsoleBox& box);
