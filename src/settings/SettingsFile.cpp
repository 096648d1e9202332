#include "settings/SettingsFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <optional>

#include "core/FileIo.h"

namespace {

// Opens the file in the mode given, first creating it empty when it cannot be opened so; "ab"
// creates without cutting a file that exists after all.
std::FILE* openCreatingWhenMissing(const std::string& path, const char* mode)
{
    if (std::FILE* stream = std::fopen(path.c_str(), mode)) {
        return stream;
    }
    std::FILE* created = std::fopen(path.c_str(), "ab");
    if (created == nullptr) {
        return nullptr;
    }
    std::fclose(created);
    return std::fopen(path.c_str(), mode);
}

bool readWithoutZeros(std::FILE* stream, std::string& text)
{
    std::array<char, 4096> chunk{};
    std::size_t count = 0;
    while ((count = std::fread(chunk.data(), 1, chunk.size(), stream)) > 0) {
        std::copy_if(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(count), std::back_inserter(text),
                     [](char c) { return c != '\0'; });
    }
    return std::ferror(stream) == 0;
}

}  // namespace

SettingsRead readSettingsFile(const std::string& path)
{
    SettingsRead result;
    std::FILE* stream = openCreatingWhenMissing(path, "rb");
    if (stream == nullptr) {
        return result;
    }
    // A folder opens as a stream on some systems, and its "length" is no count of bytes of a text.
    std::error_code notAFolder;
    const bool folder = std::filesystem::is_directory(pathOfName(path), notAFolder);
    const std::optional<std::uint64_t> length = folder ? std::nullopt : streamLength(stream);
    result.fileBytes = length.value_or(0);
    if (!length) {
        result.outcome = SettingsReadOutcome::CannotRead;
    } else if (*length > SETTINGS_FILE_MAX_BYTES) {
        result.outcome = SettingsReadOutcome::TooBig;
    } else {
        result.outcome =
            readWithoutZeros(stream, result.text) ? SettingsReadOutcome::Read : SettingsReadOutcome::CannotRead;
    }
    std::fclose(stream);
    if (result.outcome != SettingsReadOutcome::Read) {
        result.text.clear();
    }
    return result;
}

bool writeSettingsRecord(const std::string& path, const std::string& record)
{
    std::FILE* stream = openCreatingWhenMissing(path, "r+b");
    if (stream == nullptr) {
        return false;
    }
    const bool written = std::fwrite(record.data(), 1, record.size(), stream) == record.size();
    const bool flushed = std::fflush(stream) == 0;
    const bool closed = std::fclose(stream) == 0;
    return written && flushed && closed;
}
