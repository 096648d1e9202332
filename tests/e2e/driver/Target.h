// The program under test: the one process this driver starts, its main window and its end.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class Target {
public:
    Target() = default;
    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;
    ~Target();

    // Starts the program in workDir, each argument quoted on its command line, and waits until
    // its main window is visible; returns an empty text on success, otherwise what went wrong.
    std::string start(const std::string& program, const std::string& workDir, DWORD waitMs,
                      const std::vector<std::string>& arguments = {});

    bool started() const { return process_ != nullptr; }
    bool running() const;
    HWND mainWindow() const { return mainWindow_; }
    DWORD processId() const { return processId_; }
    DWORD uiThreadId() const { return uiThreadId_; }

    // Waits for the end of the process; false when it is still running after waitMs.
    bool waitForExit(DWORD waitMs, DWORD& exitCode) const;

    // Ends the process this driver started (only that one), for the clean-up after a failure.
    void terminate();

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    DWORD uiThreadId_ = 0;
    HWND mainWindow_ = nullptr;
};

// The class name the program registers its main window under.
inline constexpr char MAIN_WINDOW_CLASS[] = "MORLANDO";
