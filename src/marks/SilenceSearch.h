// Following the stretches of silent frames as the frames go by, one after the other: the one
// search that both a Mother file and a Mother on a stream are cut by, so that both cut at the
// same frames.
#pragma once

#include <cstdint>
#include <optional>

#include "wav/SampleLevels.h"

// Whether every channel of the frame is below the limit (a fraction of full scale).
bool isSilentFrame(const std::uint8_t* frame, const SampleLayout& layout, double limit);

// The limit a level in dBFS stands for, as a fraction of full scale.
double silenceLimitOf(double thresholdDb);

class SilenceSearch {
public:
    explicit SilenceSearch(std::uint64_t shortest) : shortest_(shortest) {}

    // The frame at `at`, silent or not; the cut a stretch of at least `shortest` frames gives when
    // this frame ends it: its first frame plus half its length, rounded down. A stretch at the
    // very start gives none.
    std::optional<std::uint64_t> frame(std::uint64_t at, bool silent)
    {
        if (silent && !inSilence_) {
            inSilence_ = true;
            silenceFrom_ = at;
        } else if (!silent && inSilence_) {
            inSilence_ = false;
            const std::uint64_t length = at - silenceFrom_;
            if (silenceFrom_ > 0 && length >= shortest_) {
                return silenceFrom_ + length / 2;
            }
        }
        return std::nullopt;
    }

    // A stretch still running when the frames end lies at the Mother's end (or where the reading
    // stopped, past which nothing is known): it gives no cut.
    bool inSilence() const { return inSilence_; }
    std::uint64_t silenceFrom() const { return silenceFrom_; }

private:
    std::uint64_t shortest_;
    bool inSilence_ = false;
    std::uint64_t silenceFrom_ = 0;
};
