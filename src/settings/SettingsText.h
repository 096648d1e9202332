// The settings text: lines of a key, "=" and a value, and the 1024-byte record a save writes.
// Texts are kept whole, however long; only the record has a fixed size.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

inline constexpr char MOTHER_KEY[] = "MOTHER=";
inline constexpr char TEMPLATE_KEY[] = "VORBILD=";
inline constexpr char KIND_KEY[] = "KIND=";
inline constexpr std::size_t SETTINGS_RECORD_BYTES = 1024;
// The longest value a save stores: a path field of 256 bytes with its terminator, as the program
// has always read a value into. UTF-8 fills it with 85 letters of three bytes; a longer path is
// refused rather than stored for a load to cut short.
inline constexpr std::size_t SETTINGS_VALUE_MAX_BYTES = 255;

// Finds the key at the start of the text or right after an LF; the first such line wins. The
// value runs to the first CR or the end of the text, so with LF-only line ends it takes the
// following lines along. Returns where copying stopped (the CR, or the text's length plus one
// when no CR follows) and stores the value, or returns -1 and leaves the value untouched.
long findKey(std::string_view key, std::string_view text, std::string& value);

// A stored value as the program holds names, in UTF-8: as it stands when it is well-formed UTF-8,
// else read as the system's legacy code page (what the settings files of older builds, or a hand
// edit, hold) and converted by fromLegacy.
std::string valueAsUtf8(const std::string& value, const std::function<std::string(std::string_view)>& fromLegacy);

// The whole text so, one line at a time: a hand edit may have mixed lines of both code pages.
std::string textAsUtf8(std::string_view text, const std::function<std::string(std::string_view)>& fromLegacy);

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
