// Steps on what the system's shell gives the program: names on its command line, files dropped
// on its main window, and the version resource that the file's properties show.
#include "Steps.h"

#include <fstream>

#include "HookRequest.h"
#include "WindowQuery.h"
#include "menuhook/DropFilesProtocol.h"

namespace {

void startWith(Context& c, const Step& step) { startTarget(c, step.args); }

// The files go to the window as the shell drops them: a drop built inside the program and
// WM_DROPFILES posted to the main window, which must have said that it accepts files.
void drop(Context& c, const Step& step)
{
    requireStarted(c);
    HWND window = c.target.mainWindow();
    if ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) == 0) {
        throw StepFailure("the main window does not accept dropped files (no WS_EX_ACCEPTFILES)");
    }
    const std::string listPath = c.workDir + "\\drop-list.txt";
    {
        std::ofstream list(listPath, std::ios::binary | std::ios::trunc);
        for (const std::string& name : step.args) {
            list << name << "\r\n";
        }
        if (!list) {
            throw StepFailure("cannot write the drop list " + listPath);
        }
    }
    const std::string problem = runHookRequest(c.hookDll, DROP_FILES_HOOK_EXPORT, DROP_FILES_MESSAGE, window, listPath);
    if (!problem.empty()) {
        throw StepFailure(problem);
    }
}

std::vector<char> versionResource(const std::string& file)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
    std::vector<char> data(size);
    if (size == 0 || !GetFileVersionInfoA(file.c_str(), 0, size, data.data())) {
        throw StepFailure(file + " has no version resource");
    }
    return data;
}

// The numeric file version as four numbers with dots.
std::string fixedFileVersion(std::vector<char>& data)
{
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || fixed == nullptr) {
        throw StepFailure("the version resource has no fixed part");
    }
    return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionLS));
}

// A text of the version resource in the language and code page its translation table names first.
std::string versionText(std::vector<char>& data, const std::string& key)
{
    WORD* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < 2 * sizeof(WORD)) {
        throw StepFailure("the version resource has no translation table");
    }
    char block[64] = {};
    wsprintfA(block, "\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    char* value = nullptr;
    if (!VerQueryValueA(data.data(), (block + key).c_str(), reinterpret_cast<void**>(&value), &length) ||
        value == nullptr) {
        throw StepFailure("the version resource has no text " + quoted(key));
    }
    return std::string(value);
}

void expectVersion(Context& c, const Step& step)
{
    std::vector<char> data = versionResource(c.program);
    const std::string& key = step.args[0];
    const std::string found = key == "FixedFileVersion" ? fixedFileVersion(data) : versionText(data, key);
    if (found != step.args[1]) {
        throw StepFailure("version " + key + ": expected " + quoted(step.args[1]) + ", found " + quoted(found));
    }
}

}  // namespace

const std::vector<StepKind>& shellFileSteps()
{
    static const std::vector<StepKind> steps = {
        {"start-with", 1, 8, "start-with \"<argument>\"...", startWith},
        {"drop", 1, 8, "drop \"<path>\"...", drop},
        {"expect-version", 2, 2, "expect-version <FixedFileVersion or text name> \"<text>\"", expectVersion},
    };
    return steps;
}
