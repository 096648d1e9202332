// The settings text: lines of a key, "=" and a value, and the 1024-byte record a save writes.
// Texts are kept whole, however long; only the record has a fixed size.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr char MOTHER_KEY[] = "MOTHER=";
inline constexpr char TEMPLATE_KEY[] = "VORBILD=";
inline constexpr char KIND_KEY[] = "KIND=";
inline constexpr std::size_t SETTINGS_RECORD_BYTES = 1024;

// Finds the key at the start of the text or right after an LF; the first such line wins. The
// value runs to the first CR or the end of the text, so with LF-only line ends it takes the
// following lines along. Returns where copying stopped (the CR, or the text's length plus one
// when no CR follows) and stores the value, or returns -1 and leaves the value untouched.
long findKey(std::string_view key, std::string_view text, std::string& value);

// The index just after the first LF at or after from, or 0 when there is none.
std::size_t nextLineStart(std::string_view text, std::size_t from);

// The index at which the text ends with the suffix (bytes compared exactly), or -1.
long endsWith(std::string_view text, std::string_view suffix);

// The children's name as stored: ".wav" is added unless the name already ends in ".WAV" or
// ".wav" (".Wav" counts as no extension).
std::string kindText(const std::string& childBaseName);

// "MOTHER=", "VORBILD=" and "KIND=" lines with CR LF, then "EOF".
std::string settingsLines(const std::string& mother, const std::string& templatePath, const std::string& kind);

// The lines followed by zero bytes up to the record's 1024 bytes, or nothing when they do not fit.
std::optional<std::string> settingsRecord(const std::string& lines);
