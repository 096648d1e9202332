// The formats the editor plays the Mother in: its own, as the device is asked first, and the one
// every device takes, for listening only: the first two channels at the Mother's rate as 16-bit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/SoundDevice.h"
#include "wav/WavChunks.h"

// The Mother's own format, as its fmt chunk gives it (an extensible one's valid bits and speakers
// included).
SoundFormat soundFormatOf(const WavFormat& format, const std::vector<std::uint8_t>& fmtBody);
inline SoundFormat soundFormatOf(const WavLayout& layout) { return soundFormatOf(layout.format, layout.fmtBody); }

// 16-bit stereo at this rate.
SoundFormat listeningFormat(std::uint32_t sampleRate);

// Whole frames of a PCM or float format made 16-bit stereo: the first two channels, a single one
// in both; out takes 4 bytes a frame.
void toListening(const SoundFormat& from, const std::uint8_t* in, std::size_t frames, std::uint8_t* out);
