#include "marks/SilenceSearch.h"

#include <cmath>

bool isSilentFrame(const std::uint8_t* frame, const SampleLayout& layout, double limit)
{
    for (std::uint32_t channel = 0; channel < layout.channels; ++channel) {
        // Written so that a sample that is not a number is never silent.
        if (!(sampleMagnitude(frame + channel * layout.sampleBytes, layout.kind) < limit)) {
            return false;
        }
    }
    return true;
}

double silenceLimitOf(double thresholdDb) { return std::pow(10.0, thresholdDb / 20.0); }
