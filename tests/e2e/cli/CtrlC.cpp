// Presses Ctrl+C in a console program's console, as a user would, from beside it: starts the
// program in this helper's console, waits until a file exists, then sends Ctrl+C to every
// process of the console (this one ignores it) and ends with the program's exit code.
//
//   morlando-ctrl-c.exe <file to wait for> <program> [argument...]
//
// Exit 3 when the file did not appear within a minute, 4 when the program could not be started.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string commandLine(int argc, char** argv)
{
    std::string line;
    for (int i = 2; i < argc; ++i) {
        line += (i > 2 ? " \"" : "\"") + std::string(argv[i]) + "\"";
    }
    return line;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: morlando-ctrl-c <file to wait for> <program> [argument...]\n");
        return 2;
    }
    if (GetConsoleWindow() == nullptr && !AttachConsole(ATTACH_PARENT_PROCESS)) {
        AllocConsole();
    }
    SetConsoleCtrlHandler(nullptr, TRUE);
    std::string line = commandLine(argc, argv);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %s: error %lu\n", argv[2], GetLastError());
        return 4;
    }
    bool appeared = false;
    for (int i = 0; i < 6000 && !appeared; ++i) {
        appeared = GetFileAttributesA(argv[1]) != INVALID_FILE_ATTRIBUTES;
        if (!appeared && WaitForSingleObject(process.hProcess, 10) == WAIT_OBJECT_0) {
            break;
        }
    }
    if (!appeared) {
        TerminateProcess(process.hProcess, 1);
        std::fprintf(stderr, "%s did not appear\n", argv[1]);
        return 3;
    }
    if (!GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)) {
        std::fprintf(stderr, "GenerateConsoleCtrlEvent failed: error %lu\n", GetLastError());
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
