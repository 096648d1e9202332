// Hand-made WAV files in the layouts recorders and editors write, spelled out byte by byte, each
// with 2000 sample bytes that differ from their neighbours.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline Bytes join(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

inline Bytes ascii(const std::string& text) { return Bytes(text.begin(), text.end()); }

inline Bytes samples(std::size_t count, std::uint8_t seed = 1)
{
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + i / 251);
    }
    return bytes;
}

constexpr std::uint32_t LAYOUT_SAMPLE_BYTES = 2000;

// "RIFF", the RIFF size, "WAVE".
inline Bytes riffWave(std::uint8_t s0, std::uint8_t s1) { return join({ascii("RIFF"), {s0, s1, 0, 0}, ascii("WAVE")}); }

// A 16-byte fmt chunk: PCM, 2 channels, 44 100 Hz, 176 400 bytes/s, 4-byte frames, 16 bits.
inline const Bytes FMT_16 =
    join({ascii("fmt "),
          {0x10, 0, 0, 0},
          {0x01, 0x00, 0x02, 0x00, 0x44, 0xAC, 0x00, 0x00, 0x10, 0xB1, 0x02, 0x00, 0x04, 0x00, 0x10, 0x00}});
// The data chunk header for 2000 bytes.
inline const Bytes DATA_2000 = join({ascii("data"), {0xD0, 0x07, 0x00, 0x00}});

struct Layout {
    const char* name;
    Bytes bytes;
    std::uint64_t dataAt;  // the first sample byte
};

// RIFF size 2036 = 4 + 24 + 8 + 2000.
inline Layout canonicalLayout()
{
    return {"canonical", join({riffWave(0xF4, 0x07), FMT_16, DATA_2000, samples(2000)}), 44};
}

inline Layout listAfterDataLayout()
{
    const Bytes list = join({ascii("LIST"), {0x0E, 0, 0, 0}, ascii("INFOISFT"), {0x02, 0, 0, 0}, ascii("x"), {0}});
    return {"LIST after data", join({riffWave(0x0A, 0x08), FMT_16, DATA_2000, samples(2000), list}), 44};
}

inline Layout bextJunkBeforeLayout()
{
    const Bytes bext = join({ascii("bext"), {0x5A, 0, 0, 0}, samples(90, 0xB0)});  // body 20..110
    const Bytes junk = join({ascii("junk"), {0x1C, 0, 0, 0}, Bytes(28, 0)});       // body 118..146
    return {"bext and junk before data", join({riffWave(0x7A, 0x08), bext, junk, FMT_16, DATA_2000, samples(2000)}),
            178};
}

inline Layout oddChunkLayout()
{
    // Five bytes of body, then the pad byte its size does not count; data follows at 50.
    const Bytes odd = join({ascii("odd "), {0x05, 0, 0, 0}, ascii("abcde"), {0xFF}});
    return {"odd chunk and its pad", join({riffWave(0x02, 0x08), FMT_16, odd, DATA_2000, samples(2000)}), 58};
}

inline Layout fmt18Layout()
{
    const Bytes fmt = join(
        {ascii("fmt "),
         {0x12, 0, 0, 0},
         {0x01, 0x00, 0x02, 0x00, 0x44, 0xAC, 0x00, 0x00, 0x10, 0xB1, 0x02, 0x00, 0x04, 0x00, 0x10, 0x00, 0x00, 0x00}});
    return {"fmt of 18 bytes", join({riffWave(0xF6, 0x07), fmt, DATA_2000, samples(2000)}), 46};
}

// The 40-byte extensible fmt chunk at 44 100 Hz with the PCM sub-format.
inline Bytes extensibleFmt(std::uint8_t channels, std::uint8_t bits)
{
    const std::uint8_t align = static_cast<std::uint8_t>(channels * bits / 8);
    return join(
        {ascii("fmt "),
         {0x28, 0, 0, 0},
         {0xFE, 0xFF, channels, 0x00, 0x44, 0xAC, 0x00, 0x00},
         // byte rate 44 100 x align, little-endian
         {static_cast<std::uint8_t>((44100u * align) & 0xFF), static_cast<std::uint8_t>((44100u * align >> 8) & 0xFF),
          static_cast<std::uint8_t>((44100u * align >> 16) & 0xFF), 0x00},
         {align, 0x00, bits, 0x00, 0x16, 0x00, bits, 0x00, 0x03, 0x00, 0x00, 0x00},
         // the PCM sub-format identifier
         {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}});
}

inline Layout fmt40Layout()
{
    return {"fmt of 40 bytes", join({riffWave(0x0C, 0x08), extensibleFmt(2, 16), DATA_2000, samples(2000)}), 68};
}

// The samples first, the format after them.
inline Layout fmtAfterDataLayout()
{
    return {"fmt after data", join({riffWave(0xF4, 0x07), DATA_2000, samples(2000), FMT_16}), 20};
}

inline std::vector<Layout> allLayouts()
{
    return {canonicalLayout(), listAfterDataLayout(), bextJunkBeforeLayout(), oddChunkLayout(),
            fmt18Layout(),     fmt40Layout(),         fmtAfterDataLayout()};
}
