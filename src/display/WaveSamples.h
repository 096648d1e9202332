// One sample of the Mother as the waveform drawings take it: two bytes read from the stream's
// position, low byte first.
#pragma once

#include <cstdio>
#include <optional>

// The sample's value, or nothing when fewer than two bytes came or the value is -32768, which
// the drawings leave out because it has no positive counterpart.
std::optional<int> readDrawableSample(std::FILE* stream);
