#include "writing/SplitFiles.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

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

// Wide names for MoveFileExW, as the narrow calls would read them (the program's code page).
std::wstring wide(const std::string& name)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring converted(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, converted.data(), length);
    converted.resize(static_cast<std::size_t>(length - 1));
    return converted;
}

// Whether a file that bears the Child's name is the Mother, by volume and file index.
Sameness comparedWithMother(const std::string& path, const std::string& motherPath)
{
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Sameness::Unknown;
    }
    FileIdentity existing;
    FileIdentity mother;
    const bool known = identityOf(file, existing) && motherIdentity(motherPath, mother);
    CloseHandle(file);
    if (!known) {
        return Sameness::Unknown;
    }
    return existing == mother ? Sameness::Same : Sameness::Different;
}

}  // namespace

// The temporary name is new: creating it is the one lookup of a name that is not there, which
// costs a read of the whole folder where names are compared without regard to case (as under
// Wine). The Child's own name is not looked up here: the rename does that once, and only a file
// that is already there is compared with the Mother.
ChildCreation createTemporaryChild(const std::string&, const std::string&, const std::string& temporary)
{
    ChildCreation child;
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        errno = errnoOf(GetLastError());
        return child;
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

// First a rename that replaces nothing: for a new Child's name, the usual case, that is the only
// lookup. Only when a file already bears the name is it compared with the Mother, and then
// replaced in one step; the write-through asks the system to have the move on disk on return.
ChildPlacement placeChild(const std::string& temporary, const std::string& path, const std::string& motherPath)
{
    ChildPlacement placement;
    const std::wstring from = wide(temporary);
    const std::wstring to = wide(path);
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) {
        placement.placed = true;
        return placement;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) {
        placement.error = errnoOf(error);
        return placement;
    }
    placement.mother = comparedWithMother(path, motherPath);
    if (placement.mother != Sameness::Different) {
        return placement;
    }
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        placement.placed = true;
        return placement;
    }
    placement.error = errnoOf(GetLastError());
    return placement;
}

std::optional<FileKey> fileKeyOf(const std::string& path)
{
    FileIdentity identity;
    if (!motherIdentity(path, identity)) {
        return std::nullopt;
    }
    return FileKey{identity.volume, (static_cast<std::uint64_t>(identity.indexHigh) << 32) | identity.indexLow};
}

bool childStandsWhole(const std::string& path, const std::vector<std::uint8_t>& head, std::uint64_t fileBytes,
                      const FileKey& mother)
{
    HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    bool whole = GetFileInformationByHandle(file, &info) &&
                 ((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow) == fileBytes &&
                 !(FileKey{info.dwVolumeSerialNumber,
                           (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow} == mother);
    if (whole) {
        std::vector<std::uint8_t> first(head.size());
        DWORD got = 0;
        whole = ReadFile(file, first.data(), static_cast<DWORD>(first.size()), &got, nullptr) && got == first.size() &&
                first == head;
    }
    CloseHandle(file);
    return whole;
}

std::vector<std::string> namesInFolder(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE listing = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (listing == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    } while (FindNextFileA(listing, &found));
    FindClose(listing);
    return names;
}

bool syncChildToDisk(std::FILE* stream)
{
    const intptr_t handle = _get_osfhandle(_fileno(stream));
    if (handle == -1 || !FlushFileBuffers(reinterpret_cast<HANDLE>(handle))) {
        errno = errnoOf(GetLastError());
        return false;
    }
    return true;
}

// The rename was asked to be on disk on return (write-through): the folder has nothing left to force.
bool syncFolderToDisk(const std::string&) { return true; }

bool makeRunFolder(const std::string& path)
{
    if (!CreateDirectoryA(path.c_str(), nullptr)) {
        errno = errnoOf(GetLastError());
        return false;
    }
    return true;
}

bool removeRunFolder(const std::string& path) { return RemoveDirectoryA(path.c_str()) != 0; }
