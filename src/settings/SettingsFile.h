// Reading and writing the settings file on disk. Reading never writes to an existing file, so a
// read-only one loads as it stands; a save overwrites only the record at the file's start.
#pragma once

#include <cstdint>
#include <string>

// A settings file larger than this is no settings file the program wrote: it is refused.
inline constexpr std::uint64_t SETTINGS_FILE_MAX_BYTES = 64 * 1024;

enum class SettingsReadOutcome { Read, CannotOpen, CannotRead, TooBig };

struct SettingsRead {
    SettingsReadOutcome outcome = SettingsReadOutcome::CannotOpen;
    std::string text;  // the file's bytes without its zero bytes
    std::uint64_t fileBytes = 0;
};

// Reads the whole file, leaving out its zero bytes; a name that leads to no file is created
// empty and reads as an empty text.
SettingsRead readSettingsFile(const std::string& path);

// Writes the record over the file's first bytes, creating the file when there is none; the rest
// of a longer file stays. False when the file cannot be opened or written.
bool writeSettingsRecord(const std::string& path, const std::string& record);
