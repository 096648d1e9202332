#include "cli/ConsolePlatform.h"

#include "cli/CliTexts.h"

namespace {

class NoSurface : public DrawingSurface {
public:
    void selectPen(PenRef) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void textOut(int, int, std::string_view) override {}
};

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<std::string> ConsolePlatform::openFileDialog(const FileDialogRequest&) { return std::nullopt; }

void ConsolePlatform::messageBox(WindowRef, std::string_view caption, std::string_view text)
{
    boxes_.push_back({std::string(caption), std::string(text)});
}

std::uint32_t ConsolePlatform::promptNumber(WindowRef, std::string_view) { return 0; }

// The dialog hears of its first message and is started at once, as a user pressing START.
void ConsolePlatform::runDialog(WindowRef, int, DialogHandler& handler)
{
    handler.onMessage();
    handler.onStart(nullptr, nullptr);
}

ClientRect ConsolePlatform::clientRect(WindowRef) { return {}; }

std::unique_ptr<DrawingSurface> ConsolePlatform::beginDrawing(WindowRef) { return std::make_unique<NoSurface>(); }

std::unique_ptr<DrawingSurface> ConsolePlatform::beginOffscreenDrawing(WindowRef) { return std::make_unique<NoSurface>(); }


void ConsolePlatform::deletePen(PenRef) {}

void ConsolePlatform::destroyWindow(WindowRef) {}

std::string consoleMessage(const ConsoleBox& box)
{
    std::string message = clitext::PROGRAM_PREFIX;
    message += trimmed(box.caption);
    std::string_view rest = box.text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = trimmed(rest.substr(0, end));
        if (!line.empty()) {
            message += "\n  ";
            message += line;
        }
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    return message + "\n";
}
