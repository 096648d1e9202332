// What the window system's sound output is asked for, in values: the samples' format, the frames
// to play as a source it reads block by block, and how far the device has come.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The format the device is opened with: integer PCM or IEEE float, any number of channels and
// bits. A frame is blockAlign bytes; validBits may be fewer than the bits each sample takes.
struct SoundFormat {
    bool isFloat = false;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t validBits = 0;
    std::uint32_t channelMask = 0;  // which speakers the channels are; 0: the system's choice
    bool operator==(const SoundFormat&) const = default;
};

// Whether the device must be told the format in the extensible form: more than two channels,
// samples of more than 16 bits, or floats.
bool needsExtensibleForm(const SoundFormat& format);

// The bytes the device is opened with: the 18-byte plain form (WAVEFORMATEX) or the 40-byte
// extensible form (WAVEFORMATEXTENSIBLE, sub-format PCM or IEEE float), little-endian.
std::vector<std::uint8_t> waveFormatBytes(const SoundFormat& format);

// The frames to play, read as the device needs them, on the device's own thread.
class SoundSource {
public:
    virtual ~SoundSource() = default;
    // Up to `bytes` bytes (a whole number of frames) of what comes next; 0 at the end. A source
    // that cannot read on says why through failure() and gives 0.
    virtual std::size_t read(std::uint8_t* into, std::size_t bytes) = 0;
    // Why the source stopped early; empty while it reads or when it came to its end.
    virtual std::string failure() const = 0;
};

// How far playing has come: the frames the device has played since it began, as its own clock
// says, whether it still plays, and the system's cause when it stopped of itself on a failure.
struct SoundProgress {
    std::uint64_t framesPlayed = 0;
    bool playing = false;
    std::string failure;
    bool operator==(const SoundProgress&) const = default;
};
