#include "HookRequest.h"

namespace {

std::string installAndSend(HMODULE dll, const char* hookExport, const char* messageName, HWND window, ATOM pathAtom)
{
    auto* hookProc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, hookExport)));
    if (hookProc == nullptr) {
        return "the hook DLL has no export " + std::string(hookExport);
    }
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, hookProc, dll, thread);
    if (hook == nullptr) {
        return "SetWindowsHookEx failed, error " + std::to_string(GetLastError());
    }
    DWORD_PTR ignored = 0;
    const UINT request = RegisterWindowMessageA(messageName);
    const LRESULT answered = SendMessageTimeoutA(window, request, pathAtom, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    UnhookWindowsHookEx(hook);
    return answered ? std::string() : "the main window did not answer the request " + std::string(messageName);
}

}  // namespace

std::string runHookRequest(const std::string& hookDll, const char* hookExport, const char* messageName, HWND window,
                           const std::string& path)
{
    HMODULE dll = LoadLibraryA(hookDll.c_str());
    if (dll == nullptr) {
        return "cannot load " + hookDll + ", error " + std::to_string(GetLastError());
    }
    const ATOM pathAtom = GlobalAddAtomA(path.c_str());
    const std::string problem = installAndSend(dll, hookExport, messageName, window, pathAtom);
    GlobalDeleteAtom(pathAtom);
    FreeLibrary(dll);
    return problem;
}
