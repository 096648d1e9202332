#include "writing/SplitFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Where names are looked up exactly, asking first costs little and keeps the Mother safe: no
// byte is written for a Child whose name leads to it. The temporary file is a new one ("x"):
// should a name ever be taken, the Child cannot be created rather than share a file.
ChildCreation createTemporaryChild(const std::string& path, const std::string& motherPath, const std::string& temporary)
{
    ChildCreation child;
    child.mother = compareFiles(path, motherPath);
    if (child.mother == Sameness::Different) {
        child.stream = std::fopen(temporary.c_str(), "w+bx");
    }
    return child;
}

// A rename that replaces nothing cannot replace the Mother: most Children are new, and take their
// name so without a look-up of their own. Only a name that is taken (or a file system that cannot
// rename so) is asked about again, just before the rename that would replace whatever bears it.
ChildPlacement placeChild(const std::string& temporary, const std::string& path, const std::string& motherPath)
{
    ChildPlacement placement;
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) {
        placement.placed = true;
        return placement;
    }
#endif
    placement.mother = compareFiles(path, motherPath);
    if (placement.mother != Sameness::Different) {
        return placement;
    }
    errno = 0;
    placement.placed = std::rename(temporary.c_str(), path.c_str()) == 0;
    placement.error = placement.placed ? 0 : errno;
    return placement;
}

std::optional<FileKey> fileKeyOf(const std::string& path)
{
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0) {
        return std::nullopt;
    }
    return FileKey{static_cast<std::uint64_t>(file.st_dev), static_cast<std::uint64_t>(file.st_ino)};
}

bool childStandsWhole(const std::string& path, const std::vector<std::uint8_t>& head, std::uint64_t fileBytes,
                      const FileKey& mother)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    struct stat child {};
    bool whole = ::fstat(descriptor, &child) == 0 && S_ISREG(child.st_mode) &&
                 static_cast<std::uint64_t>(child.st_size) == fileBytes &&
                 !(FileKey{static_cast<std::uint64_t>(child.st_dev), static_cast<std::uint64_t>(child.st_ino)} == mother);
    if (whole) {
        std::vector<std::uint8_t> first(head.size());
        whole = ::pread(descriptor, first.data(), first.size(), 0) == static_cast<ssize_t>(first.size()) && first == head;
    }
    ::close(descriptor);
    return whole;
}

std::vector<std::string> namesInFolder(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..") {
            names.emplace_back(name);
        }
    }
    ::closedir(listing);
    return names;
}

bool syncChildToDisk(std::FILE* stream) { return ::fsync(::fileno(stream)) == 0; }

// A folder is opened for reading only to be synced: its entries are what a rename changed.
bool syncFolderToDisk(const std::string& folder)
{
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0) {
        return false;
    }
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

bool makeRunFolder(const std::string& path) { return ::mkdir(path.c_str(), 0777) == 0; }

bool removeRunFolder(const std::string& path) { return ::rmdir(path.c_str()) == 0; }
