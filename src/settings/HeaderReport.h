// What the header reports append to the list file: a WAV's length against the two size fields
// of its header, or the header's 44 bytes one by one. Numbers are unsigned 32-bit; differences
// wrap around.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/AudioFormat.h"

// Two empty lines, the path, then the file length, the RIFF size (positions 5-8), the data size
// (positions 41-44) and their three differences, every line ending in CR LF.
std::string headerValueLines(const std::string& path, std::uint32_t fileBytes, const HeaderBytes& header);

// "(v)" for a byte below 32, "(v=c)" with the raw byte c otherwise; CR LF after every eighth
// byte, none after the last, so a second dump goes on in the line the first left open.
std::string headerByteItems(const HeaderBytes& header);

// A WAV as the reports see it: its length and as much of its header as it has.
struct ReportedWav {
    bool opened = false;
    std::uint64_t fileBytes = 0;
    std::size_t headerBytesRead = 0;
    HeaderBytes header{};
};

ReportedWav readReportedWav(const std::string& path);
