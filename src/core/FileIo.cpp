#include "core/FileIo.h"

#include <filesystem>
#include <system_error>

#include <cerrno>
#include <cstdint>
#include <limits>

#ifndef _WIN32
#include <sys/types.h>
#endif

namespace {

// Both runtimes take a signed 64-bit offset.
constexpr std::uint64_t LARGEST_OFFSET = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());

int seekRaw(std::FILE* stream, std::int64_t offset, int origin)
{
#ifdef _WIN32
    return _fseeki64(stream, offset, origin);
#else
    return fseeko(stream, static_cast<off_t>(offset), origin);
#endif
}

std::int64_t tellRaw(std::FILE* stream)
{
#ifdef _WIN32
    return _ftelli64(stream);
#else
    return static_cast<std::int64_t>(ftello(stream));
#endif
}

}  // namespace

// A name that is no UTF-8 (bytes of another code page a settings file of an older build held, say)
// is taken as the runtime reads plain strings, the best that can be had for it.
std::filesystem::path pathOfName(const std::string& name)
try {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
} catch (const std::exception&) {
    return std::filesystem::path(name);
}

std::string nameOfPath(const std::filesystem::path& path)
{
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

std::FILE* openFileForReading(const std::string& path)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(pathOfName(path), ignored)) {
        errno = EISDIR;  // the cause a caller tells
        return nullptr;
    }
    return std::fopen(path.c_str(), "rb");
}

bool seekFile(std::FILE* stream, std::uint64_t offset)
{
    if (offset > LARGEST_OFFSET) {
        return false;
    }
    return seekRaw(stream, static_cast<std::int64_t>(offset), SEEK_SET) == 0;
}

std::optional<std::uint64_t> tellFile(std::FILE* stream)
{
    const std::int64_t offset = tellRaw(stream);
    if (offset < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(offset);
}

std::optional<std::uint64_t> streamLength(std::FILE* stream)
{
    const std::optional<std::uint64_t> here = tellFile(stream);
    if (!here || seekRaw(stream, 0, SEEK_END) != 0) {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> length = tellFile(stream);
    if (!seekFile(stream, *here)) {
        return std::nullopt;
    }
    return length;
}

Sameness compareFiles(const std::string& a, const std::string& b)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const bool aExists = fs::exists(pathOfName(a), error);
    if (error) {
        return Sameness::Unknown;
    }
    if (!aExists) {
        return Sameness::Different;  // a file that does not exist yet cannot be the other one
    }
    const bool same = fs::equivalent(pathOfName(a), pathOfName(b), error);
    if (error) {
        return Sameness::Unknown;
    }
    return same ? Sameness::Same : Sameness::Different;
}
