#include "split/SplitFiles.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>

namespace {

struct FileIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;
    bool operator==(const FileIdentity&) const = default;
};

bool identityOf(HANDLE file, FileIdentity& identity)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) {
        return false;
    }
    identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return true;
}

// The Mother's volume and file index, opened for no access at all, so that neither another
// program holding it open nor the split's own stream stands in the way.
bool motherIdentity(const std::string& motherPath, FileIdentity& identity)
{
    HANDLE file = CreateFileA(motherPath.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool known = identityOf(file, identity);
    CloseHandle(file);
    return known;
}

// errno for the box that says why a Child cannot be created.
int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_WRITE_PROTECT: return EACCES;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE: return EINVAL;
    default: return EIO;
    }
}

}  // namespace

// The name is looked up once: opened if it exists, created if not. Asking first whether it is
// the Mother would look it up a second time, and a lookup that finds nothing costs a read of
// the whole folder where names are compared without regard to case (as under Wine), which made
// each new Child in a folder of thousands twice as slow. A file that was there already is
// compared with the Mother before anything empties it.
ChildCreation createChildUnlessMother(const std::string& path, const std::string& motherPath)
{
    ChildCreation child;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        errno = errnoOf(GetLastError());
        return child;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        FileIdentity existing;
        FileIdentity mother;
        if (!identityOf(file, existing) || !motherIdentity(motherPath, mother)) {
            CloseHandle(file);
            child.mother = Sameness::Unknown;
            return child;
        }
        if (existing == mother) {
            CloseHandle(file);
            child.mother = Sameness::Same;
            return child;
        }
        if (!SetEndOfFile(file)) {
            errno = errnoOf(GetLastError());
            CloseHandle(file);
            return child;
        }
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDWR | _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(file);
        errno = EMFILE;
        return child;
    }
    child.stream = _fdopen(descriptor, "w+b");
    if (child.stream == nullptr) {
        _close(descriptor);
    }
    return child;
}
