#include "TestFiles.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

void writeLe16(std::vector<unsigned char>& h, std::size_t at, std::uint32_t value)
{
    h[at] = static_cast<unsigned char>(value & 0xFFu);
    h[at + 1] = static_cast<unsigned char>((value >> 8) & 0xFFu);
}

void writeLe32(std::vector<unsigned char>& h, std::size_t at, std::uint32_t value)
{
    writeLe16(h, at, value & 0xFFFFu);
    writeLe16(h, at + 2, value >> 16);
}

void writeTag(std::vector<unsigned char>& h, std::size_t at, const char* tag)
{
    for (std::size_t i = 0; i < 4; ++i) {
        h[at + i] = static_cast<unsigned char>(tag[i]);
    }
}

}  // namespace

unsigned char sampleByte(std::uint32_t offsetInData)
{
    // Multiplying by an odd constant is a bijection on 32 bits; the top byte varies quickly.
    return static_cast<unsigned char>((offsetInData * 2654435761u) >> 24);
}

std::vector<unsigned char> canonicalHeader(std::uint32_t dataSizeField)
{
    std::vector<unsigned char> h(44, 0);
    writeTag(h, 0, "RIFF");
    writeLe32(h, 4, dataSizeField + 36);  // RIFF size: "WAVE" + fmt chunk (24) + data chunk header (8) + data
    writeTag(h, 8, "WAVE");
    writeTag(h, 12, "fmt ");
    writeLe32(h, 16, 16);      // fmt chunk size
    writeLe16(h, 20, 1);       // PCM
    writeLe16(h, 22, 2);       // channels
    writeLe32(h, 24, 44100);   // frames per second
    writeLe32(h, 28, 176400);  // bytes per second: 44 100 x 2 channels x 2 bytes
    writeLe16(h, 32, 4);       // bytes per frame
    writeLe16(h, 34, 16);      // bits per sample
    writeTag(h, 36, "data");
    writeLe32(h, 40, dataSizeField);  // data size
    return h;
}

std::string writeWave(const std::string& path, std::uint32_t dataBytes, std::uint32_t trailingBytes,
                      std::uint32_t dataSizeField)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return "cannot create " + path;
    }
    const std::vector<unsigned char> header = canonicalHeader(dataSizeField);
    out.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
    std::vector<unsigned char> block(65536);
    for (std::uint32_t done = 0; done < dataBytes;) {
        const std::uint32_t size = std::min<std::uint32_t>(dataBytes - done, 65536u);
        for (std::uint32_t i = 0; i < size; ++i) {
            block[i] = sampleByte(done + i);
        }
        out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(size));
        done += size;
    }
    const std::vector<unsigned char> trailer(trailingBytes, 0xA5);
    out.write(reinterpret_cast<const char*>(trailer.data()), static_cast<std::streamsize>(trailer.size()));
    return out ? std::string() : "cannot write " + path;
}

std::string writeToneWave(const std::string& path, std::uint32_t seconds)
{
    constexpr std::uint32_t FRAMES_PER_SECOND = 44100;
    constexpr std::uint32_t FRAMES_PER_TOOTH = 10 * FRAMES_PER_SECOND;
    constexpr double TONE_HZ = 220.0;
    constexpr double FULL_SCALE = 32000.0;
    const double radiansPerFrame = 2.0 * 3.14159265358979323846 * TONE_HZ / FRAMES_PER_SECOND;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return "cannot create " + path;
    }
    const std::uint32_t frames = seconds * FRAMES_PER_SECOND;
    const std::vector<unsigned char> header = canonicalHeader(frames * 4);
    out.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
    std::vector<unsigned char> samples(static_cast<std::size_t>(frames) * 4);
    for (std::uint32_t frame = 0; frame < frames; ++frame) {
        const double rising = static_cast<double>(frame % FRAMES_PER_TOOTH) / FRAMES_PER_TOOTH;
        const double tone = std::sin(radiansPerFrame * frame) * FULL_SCALE;
        const auto left = static_cast<std::int16_t>(tone * rising);
        const auto right = static_cast<std::int16_t>(tone * (1.0 - rising));
        const std::size_t at = static_cast<std::size_t>(frame) * 4;
        samples[at] = static_cast<unsigned char>(static_cast<std::uint16_t>(left) & 0xFFu);
        samples[at + 1] = static_cast<unsigned char>(static_cast<std::uint16_t>(left) >> 8);
        samples[at + 2] = static_cast<unsigned char>(static_cast<std::uint16_t>(right) & 0xFFu);
        samples[at + 3] = static_cast<unsigned char>(static_cast<std::uint16_t>(right) >> 8);
    }
    out.write(reinterpret_cast<const char*>(samples.data()), static_cast<std::streamsize>(samples.size()));
    return out ? std::string() : "cannot write " + path;
}

std::string writeFilledFile(const std::string& path, std::uint32_t count, unsigned char fill)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::vector<unsigned char> bytes(count, fill);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out ? std::string() : "cannot write " + path;
}

std::string patchFile(const std::string& path, std::uint64_t offset, const std::vector<unsigned char>& bytes)
{
    if (fileLength(path) < static_cast<long long>(offset + bytes.size())) {
        return "cannot patch " + path + ": it does not exist or ends before the patched bytes";
    }
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file ? std::string() : "cannot write " + path;
}

long long fileLength(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return -1;
    }
    return static_cast<long long>(in.tellg());
}

std::vector<unsigned char> readBytes(const std::string& path, std::uint64_t offset, std::size_t count)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes(count);
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}
