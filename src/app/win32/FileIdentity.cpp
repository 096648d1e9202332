#include "app/win32/FileIdentity.h"

#include <windows.h>

#include <optional>

namespace {

struct FileIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const FileIdentity&) const = default;
};

enum class Lookup { Found, Missing, Failed };

// The volume and file index of a file, opened for no access at all, so that neither a file
// another program holds open nor the Mother's own open stream stands in the way.
Lookup identify(const std::string& path, FileIdentity& identity)
{
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Lookup::Missing : Lookup::Failed;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const BOOL known = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    if (!known) {
        return Lookup::Failed;
    }
    identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return Lookup::Found;
}

}  // namespace

Sameness sameFileOnWindows(const std::string& a, const std::string& b)
{
    FileIdentity first;
    switch (identify(a, first)) {
    case Lookup::Missing:
        return Sameness::Different;  // a file that does not exist yet cannot be the other one
    case Lookup::Failed:
        // A name the system rejects outright cannot be created either; creating it says why.
        return GetFileAttributesA(a.c_str()) == INVALID_FILE_ATTRIBUTES ? Sameness::Different : Sameness::Unknown;
    case Lookup::Found:
        break;
    }
    FileIdentity second;
    if (identify(b, second) != Lookup::Found) {
        return Sameness::Unknown;
    }
    return first == second ? Sameness::Same : Sameness::Different;
}
