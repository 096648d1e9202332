#include "display/WaveScale.h"

#include <gtest/gtest.h>

#include <string>

TEST(WaveScale, FramesPerPixelGiveTheFramesReadPerColumnAndTheirStride)
{
    struct Row {
        std::uint32_t framesPerPixel, samplesPerColumn, strideBytes;
    };
    // clang-format off
    const Row table[] = {
        {1, 1, 4},          {100, 100, 4},    {1000, 100, 40},  {6000, 100, 240},
        {6060, 99, 244},    {13230, 46, 1148}, {39690, 16, 9920}, {158760, 4, 158760},
    };
    // clang-format on
    for (const Row& row : table) {
        SCOPED_TRACE("frames per pixel " + std::to_string(row.framesPerPixel));
        const SampledScale scale = sampledScale(row.framesPerPixel);
        EXPECT_EQ(scale.framesPerPixel, row.framesPerPixel);
        EXPECT_EQ(scale.samplesPerColumn, row.samplesPerColumn);
        EXPECT_EQ(scale.strideBytes, row.strideBytes);
    }
}

TEST(WaveScale, AMotherNarrowerThanTheWindowHasOneFramePerPixel)
{
    EXPECT_EQ(framesPerPixelOf(1007, 1008), 1u);
    EXPECT_EQ(framesPerPixelOf(0, 1008), 1u);
    EXPECT_EQ(framesPerPixelOf(2015, 1008), 1u);
    EXPECT_EQ(framesPerPixelOf(3024, 1008), 3u);
}
