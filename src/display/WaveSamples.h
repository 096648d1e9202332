// One frame of the Mother as the waveform drawings take it: the samples of its first two channels
// (a mono Mother's one sample for both), each as a 16-bit value, whatever the Mother's format.
#pragma once

#include <cstdio>
#include <optional>

#include "wav/SampleLevels.h"

// 16-bit stereo: the frames of a Mother of the cut arithmetic's own format.
inline constexpr SampleLayout SIXTEEN_BIT_STEREO{SampleKind::Signed16, 2, 2, 4};

struct DrawableFrame {
    std::optional<int> first;   // the lower lane's
    std::optional<int> second;  // the upper lane's
};

// A sample's fraction of full scale in the 16-bit range, truncated toward zero: an integer sample
// keeps its top 16 bits, a float one beyond full scale is drawn at full scale. Nothing for
// -32768, which has no positive counterpart, or for not a number.
std::optional<int> drawableValue(double fraction);

// Reads the frame at the stream's position and leaves the stream at the next one. A sample whose
// bytes did not all come is nothing.
DrawableFrame readDrawableFrame(std::FILE* stream, const SampleLayout& layout);
