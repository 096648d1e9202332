// The files the scenarios feed to the program (Mother waves, malformed files) and the checks
// on the files it writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The sample bytes of every generated wave: a deterministic sequence that never repeats within
// a file of up to 4 GiB of 16-bit samples, so a slice taken from the wrong offset is detected.
unsigned char sampleByte(std::uint32_t offsetInData);

// The canonical 44-byte header of a 16-bit stereo 44 100 Hz wave whose data size field holds
// dataSizeField and whose RIFF size assumes a canonical file of that data size.
std::vector<unsigned char> canonicalHeader(std::uint32_t dataSizeField);

// Writes the header, dataBytes sample bytes and trailingBytes bytes of 0xA5 after them.
// Returns an empty text on success, otherwise what went wrong.
std::string writeWave(const std::string& path, std::uint32_t dataBytes, std::uint32_t trailingBytes,
                      std::uint32_t dataSizeField);

// Writes a wave of that many seconds that shows what it is when drawn: a 220 Hz tone whose
// loudness rises from silence to full over every ten seconds on the left channel and falls over
// them on the right, so each ten-second piece is one tooth of a saw.
std::string writeToneWave(const std::string& path, std::uint32_t seconds);

// Writes count bytes, each equal to fill.
std::string writeFilledFile(const std::string& path, std::uint32_t count, unsigned char fill);

// Overwrites bytes of an existing file from offset on, leaving the rest as it is.
std::string patchFile(const std::string& path, std::uint64_t offset, const std::vector<unsigned char>& bytes);

// The file's length, or -1 when it does not exist.
long long fileLength(const std::string& path);

// Reads count bytes from offset; fewer when the file is shorter.
std::vector<unsigned char> readBytes(const std::string& path, std::uint64_t offset, std::size_t count);
