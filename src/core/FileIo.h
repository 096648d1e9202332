// 64-bit positions in files: a Mother may be close to 4 GiB and a file picked by mistake larger,
// beyond what the runtime's long-based seek and tell can address on Windows.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

// A name as the program holds it, in UTF-8, as a path of the standard library, and back. On
// Windows a path made from a plain string reads it in the runtime's own code page, which turns
// every letter beyond Latin-1 into another one; through UTF-8 any script gets through.
std::filesystem::path pathOfName(const std::string& name);
std::string nameOfPath(const std::filesystem::path& path);

// Opens a file for reading in binary mode; none when it cannot be opened or is a folder, which
// some runtimes open as if it were a file of unbounded length (errno is then EISDIR).
std::FILE* openFileForReading(const std::string& path);

// Moves the stream to a byte offset from the start of the file; false when the runtime refuses.
bool seekFile(std::FILE* stream, std::uint64_t offset);

// The stream's current byte offset, or nothing when the runtime cannot tell it.
std::optional<std::uint64_t> tellFile(std::FILE* stream);

// The length of the stream's file in bytes; the stream is left where it stood.
std::optional<std::uint64_t> streamLength(std::FILE* stream);

// Whether two names lead to one file: not by their spelling but by the file's identity (device
// and inode, or volume and file index).
enum class Sameness { Different, Same, Unknown };

// Asked through the standard library's view of the file system; a name that does not lead to an
// existing file is Different, one that cannot be looked up Unknown.
Sameness compareFiles(const std::string& a, const std::string& b);
