#include "settings/HeaderReport.h"

#include <cstdio>
#include <optional>

#include "core/FileIo.h"
#include "wav/WavHeader.h"

namespace {

constexpr char LINE_END[] = "\r\n";
constexpr std::size_t ITEMS_PER_LINE = 8;
constexpr unsigned FIRST_SHOWN_BYTE = 32;  // below it a byte would be a control character

std::string valueLine(std::uint32_t value, const char* label)
{
    return std::to_string(value) + "  = " + label + LINE_END;
}

}  // namespace

std::string headerValueLines(const std::string& path, std::uint32_t fileBytes, const HeaderBytes& header)
{
    const std::uint32_t riffSize = readLe32(&header[RIFF_SIZE_AT]);
    const std::uint32_t dataSize = readLe32(&header[DATA_SIZE_AT]);
    return std::string(LINE_END) + LINE_END + path + LINE_END + valueLine(fileBytes, "FL real FileLength") +
           valueLine(riffSize, "wert_a4") + valueLine(dataSize, "wert_b4") +
           valueLine(fileBytes - riffSize, "FL - wert_a4 ") + valueLine(fileBytes - dataSize, "FL - wert_b4 ") +
           valueLine(riffSize - dataSize, "wert_a4 - wert_b4 ");
}

std::string headerByteItems(const HeaderBytes& header)
{
    std::string items;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const unsigned value = header[i];
        items += '(';
        items += std::to_string(value);
        if (value >= FIRST_SHOWN_BYTE) {
            items += '=';
            items += static_cast<char>(header[i]);
        }
        items += ')';
        const std::size_t position = i + 1;
        if (position % ITEMS_PER_LINE == 0) {
            items += LINE_END;
        }
    }
    return items;
}

ReportedWav readReportedWav(const std::string& path)
{
    ReportedWav wav;
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    if (stream == nullptr) {
        return wav;
    }
    const std::optional<std::uint64_t> length = streamLength(stream);
    wav.opened = length.has_value();
    wav.fileBytes = length.value_or(0);
    if (wav.opened) {
        wav.headerBytesRead = readHeader(stream, wav.header);
    }
    std::fclose(stream);
    return wav;
}
