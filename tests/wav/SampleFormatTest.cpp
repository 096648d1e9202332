#include "wav/SampleFormat.h"

#include <gtest/gtest.h>

TEST(SampleFormat, CutsPcmAndFloatAtWholeFramesAndNamesWhatItRefuses)
{
    struct Case {
        const char* what;
        WavFormat format;
        FormatProblem problem;
    };
    // clang-format off
    const Case cases[] = {
        {"8-bit mono",                {1, 1, 8000, 8000, 1, 8, 0},            FormatProblem::None},
        {"16-bit stereo",             {1, 2, 44100, 176400, 4, 16, 0},        FormatProblem::None},
        {"24-bit stereo 48 kHz",      {1, 2, 48000, 288000, 6, 24, 0},        FormatProblem::None},
        {"24 bits in 4-byte boxes",   {1, 2, 48000, 384000, 8, 24, 0},        FormatProblem::None},
        {"32-bit integer",            {1, 2, 96000, 768000, 8, 32, 0},        FormatProblem::None},
        {"float 32",                  {3, 2, 48000, 384000, 8, 32, 0},        FormatProblem::None},
        {"float 64 mono",             {3, 1, 48000, 384000, 8, 64, 0},        FormatProblem::None},
        {"5.1 extensible PCM",        {0xFFFE, 6, 48000, 864000, 18, 24, 1},  FormatProblem::None},
        {"extensible float",          {0xFFFE, 2, 48000, 384000, 8, 32, 3},   FormatProblem::None},
        {"ADPCM",                     {2, 2, 44100, 44359, 2048, 4, 0},       FormatProblem::OtherTag},
        {"extensible, unknown",       {0xFFFE, 2, 48000, 384000, 8, 32, 0},   FormatProblem::OtherTag},
        {"12-bit PCM",                {1, 1, 8000, 16000, 2, 12, 0},          FormatProblem::OtherBits},
        {"16-bit float",              {3, 1, 8000, 16000, 2, 16, 0},          FormatProblem::OtherBits},
        {"no channels",               {1, 0, 8000, 0, 2, 16, 0},              FormatProblem::NoChannels},
        {"no rate",                   {1, 2, 0, 0, 4, 16, 0},                 FormatProblem::NoRate},
        {"block align 0",             {1, 2, 48000, 0, 0, 16, 0},             FormatProblem::BlockAlign},
        {"block align short of 2x24", {1, 2, 48000, 240000, 5, 24, 0},        FormatProblem::BlockAlign},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(sampleFormatProblem(c.format), c.problem);
    }
    EXPECT_EQ(effectiveFormatTag(WavFormat{0xFFFE, 2, 48000, 384000, 8, 32, 3}), 3);
    EXPECT_EQ(effectiveFormatTag(WavFormat{2, 2, 44100, 44359, 2048, 4, 0}), 2);
}
