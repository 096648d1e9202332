#include "writing/SplitFiles.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/FileIo.h"

namespace {

std::FILE* openBuffered(const std::string& path, const char* mode, char* buffer)
{
    std::FILE* stream = std::fopen(path.c_str(), mode);
    if (stream != nullptr) {
        std::setvbuf(stream, buffer, _IOFBF, SPLIT_STREAM_BUFFER_BYTES);
    }
    return stream;
}

}  // namespace

SplitFiles::SplitFiles()
    : motherBuffer_(std::make_unique<char[]>(SPLIT_STREAM_BUFFER_BYTES)),
      childBuffer_(std::make_unique<char[]>(SPLIT_STREAM_BUFFER_BYTES))
{
}

SplitFiles::~SplitFiles() = default;

std::FILE* SplitFiles::openMother(const std::string& path) { return openBuffered(path, "rb", motherBuffer_.get()); }

ChildCreation SplitFiles::createChild(const std::string& path, const std::string& motherPath,
                                      const std::string& temporary)
{
    ChildCreation child = createTemporaryChild(path, motherPath, temporary);
    if (child.stream != nullptr) {
        std::setvbuf(child.stream, childBuffer_.get(), _IOFBF, SPLIT_STREAM_BUFFER_BYTES);
    }
    return child;
}

ChildPlacement SplitFiles::place(const std::string& temporary, const std::string& path, const std::string& motherPath)
{
    return placeChild(temporary, path, motherPath);
}

bool SplitFiles::makeFolder(const std::string& path) { return makeRunFolder(path); }

bool SplitFiles::makeFoldersFor(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error)) {
        return true;
    }
    std::filesystem::create_directories(folder, error);
    errno = error.value();
    return !error;
}

bool SplitFiles::removeFolder(const std::string& path) { return removeRunFolder(path); }

bool SplitFiles::seek(std::FILE* stream, std::uint64_t offset) { return seekFile(stream, offset); }

std::size_t SplitFiles::read(std::FILE* stream, void* into, std::size_t bytes)
{
    return std::fread(into, 1, bytes, stream);
}

std::size_t SplitFiles::write(std::FILE* stream, const void* from, std::size_t bytes)
{
    return std::fwrite(from, 1, bytes, stream);
}

bool SplitFiles::flush(std::FILE* stream) { return std::fflush(stream) == 0; }

bool SplitFiles::hasError(std::FILE* stream) { return std::ferror(stream) != 0; }

bool SplitFiles::close(std::FILE* stream) { return std::fclose(stream) == 0; }

bool SplitFiles::remove(const std::string& path) { return std::remove(path.c_str()) == 0; }

std::optional<FileKey> SplitFiles::keyOf(const std::string& path) { return fileKeyOf(path); }

bool SplitFiles::holds(const std::string& path, const std::vector<std::uint8_t>& head, std::uint64_t fileBytes,
                       const FileKey& mother)
{
    return childStandsWhole(path, head, fileBytes, mother);
}

bool SplitFiles::syncToDisk(std::FILE* stream) { return syncChildToDisk(stream); }

bool SplitFiles::syncFolder(const std::string& folder) { return syncFolderToDisk(folder); }

SystemCopy SplitFiles::copyInSystem(std::FILE*, std::uint64_t, std::FILE*, std::size_t) { return {}; }
