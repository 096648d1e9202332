#include "Target.h"

#include "WindowQuery.h"

#include <vector>

Target::~Target()
{
    if (process_ != nullptr) {
        CloseHandle(process_);
    }
}

std::string Target::start(const std::string& program, const std::string& workDir, DWORD waitMs,
                          const std::vector<std::string>& arguments)
{
    std::string commandLine = "\"" + program + "\"";
    for (const std::string& argument : arguments) {
        commandLine += " \"" + argument + "\"";
    }
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(program.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, workDir.c_str(),
                        &startup, &info)) {
        return "CreateProcess failed for " + program + ", error " + std::to_string(GetLastError());
    }
    CloseHandle(info.hThread);
    if (process_ != nullptr) {
        CloseHandle(process_);  // a run that has ended: the program is started again
    }
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    WaitForInputIdle(process_, waitMs);
    const bool found = waitUntil(waitMs, [this] {
        mainWindow_ = findTopLevel(processId_, MAIN_WINDOW_CLASS);
        return mainWindow_ != nullptr && IsWindowVisible(mainWindow_);
    });
    if (!found) {
        return "no visible top-level window of class " + quoted(MAIN_WINDOW_CLASS) + " within " +
               std::to_string(waitMs) + " ms";
    }
    uiThreadId_ = GetWindowThreadProcessId(mainWindow_, nullptr);
    return {};
}

bool Target::running() const { return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

bool Target::waitForExit(DWORD waitMs, DWORD& exitCode) const
{
    if (WaitForSingleObject(process_, waitMs) != WAIT_OBJECT_0) {
        return false;
    }
    GetExitCodeProcess(process_, &exitCode);
    return true;
}

void Target::terminate()
{
    if (running()) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
}
