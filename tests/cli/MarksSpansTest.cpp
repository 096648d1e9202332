// morlando-split cutting where the recording says: the same three Children from the Mother's
// markers, a label list, a CUE sheet and its silences, carrying its bext and markers.
#include "cli/MarksSpans.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "support/BytesReader.h"
#include "support/ScratchFiles.h"

namespace {

// 16-bit mono at 1 000 frames a second: sound, and silences of 400 frames around 2 000 and of
// 600 around 6 000, in 10 000 frames.
Bytes motherSamples()
{
    Bytes bytes;
    for (std::uint32_t frame = 0; frame < 10000; ++frame) {
        const bool silent = (frame >= 1800 && frame < 2200) || (frame >= 5700 && frame < 6300);
        bytes.push_back(0x00);
        bytes.push_back(silent ? 0x00 : (frame % 2 == 0 ? 0x40 : 0xC0));
    }
    return bytes;
}

}  // namespace

TEST(MarksSpans, CutsAtMarkersLabelsCueSheetsAndSilencesAndCarriesTheMothersTime)
{
    const ScratchFolder folder;
    Bytes bext(602, 0);
    bext[338] = 0x40;  // TimeReference 1 000 000: 0x0F4240
    bext[339] = 0x42;
    bext[340] = 0x0F;
    const Bytes cue = join({le32(2), le32(1), le32(6000), ascii("data"), le32(0), le32(0), le32(6000), le32(2),
                            le32(2000), ascii("data"), le32(0), le32(0), le32(2000)});
    const Bytes adtl = join({ascii("adtl"), chunkOf("labl", join({le32(2), ascii("intro: one"), {0}})),
                             chunkOf("labl", join({le32(1), ascii("b"), {0}}))});
    const Bytes fmt =
        join({ascii("fmt "), le32(16), {0x01, 0x00, 0x01, 0x00}, le32(1000), le32(2000), {0x02, 0x00}, {0x10, 0x00}});
    const Bytes samples = motherSamples();
    const std::string mother =
        folder.write("take.wav", join({riffWave(0, 0), fmt, chunkOf("bext", bext), chunkOf("data", samples),
                                       chunkOf("cue ", cue), chunkOf("LIST", adtl)}));
    const std::string labels = folder.write("take.txt", ascii("2\t2\tintro: one\n6,0\t6,0\tb\n"));
    const std::string sheet = folder.write("take.cue", ascii("TRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\n"
                                                             "TITLE \"intro: one\"\nINDEX 01 00:02:00\nTRACK 03 "
                                                             "AUDIO\nTITLE b\nINDEX 01 00:06:00\n"));
    const std::vector<std::string> named = {"kid1.WAV", "kid2-intro_ one.WAV", "kid3-b.WAV"};
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> names;
        std::vector<std::uint32_t> bounds;  // the Children's first frames, then the Mother's end
        std::string out;
    };
    const std::vector<Case> cases = {
        {{"--at-markers"}, named, {0, 2000, 6000, 10000}, ""},
        {{"--at-labels", labels}, named, {0, 2000, 6000, 10000}, ""},
        {{"--at-cue", sheet}, named, {0, 2000, 6000, 10000}, ""},
        {{"--at-silence", "--silence-min", "400ms"}, {"kid1.WAV", "kid2.WAV", "kid3.WAV"}, {0, 2000, 6000, 10000}, ""},
        {{"--at-silence", "--silence-min", "401ms"}, {"kid1.WAV", "kid2.WAV"}, {0, 6000, 10000}, ""},
        {{"--at-silence", "--silence-db", "-100"},
         {"kid1.WAV"},
         {0, 10000},
         "no silence found: the MOTHER stays one Child\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front() + " " + c.args.back());
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--name", folder.path("kid"), mother});
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(runCli(args, CliConsole{out, err, false}), EXIT_DONE) << err.str();
        EXPECT_EQ(out.str().substr(0, c.out.size()), c.out);
        // The Children laid end to end are the Mother's samples; each carries its bext moved to its start.
        const std::size_t count = c.names.size();
        for (std::size_t i = 0; i < count; ++i) {
            SCOPED_TRACE(c.names[i]);
            const std::uint32_t first = c.bounds[i];
            const std::uint32_t end = c.bounds[i + 1];
            const Bytes child = readWhole(folder.path(c.names[i]));
            const Bytes slice(samples.begin() + first * 2, samples.begin() + end * 2);
            ASSERT_GE(child.size(), slice.size());
            EXPECT_TRUE(
                std::equal(slice.begin(), slice.end(), child.end() - static_cast<std::ptrdiff_t>(slice.size())));
            const WavMetadata carried = readWavMetadata(child.size(), readerOf(child));
            ASSERT_TRUE(carried.bext.has_value());
            EXPECT_EQ((*carried.bext)[338] | ((*carried.bext)[339] << 8) | ((*carried.bext)[340] << 16),
                      1000000 + first);
            std::filesystem::remove(folder.path(c.names[i]));
        }
        EXPECT_FALSE(std::filesystem::exists(folder.path("kid" + std::to_string(count + 1) + ".WAV")));
    }

    // The second Child of the markers holds the one at its start, and bare Children hold nothing.
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runCli({"--at-markers", "--name", folder.path("kid"), mother}, CliConsole{out, err, false}), EXIT_DONE);
    const Bytes second = readWhole(folder.path("kid2-intro_ one.WAV"));
    EXPECT_EQ(readWavMetadata(second.size(), readerOf(second)).markers, (std::vector<WavMarker>{{1, 0, "intro: one"}}));
    ASSERT_EQ(
        runCli({"--at-markers", "--no-metadata", "--name", folder.path("bare"), mother}, CliConsole{out, err, false}),
        EXIT_DONE);
    EXPECT_EQ(readWhole(folder.path("bare2-intro_ one.WAV")).size(), 44u + 8000u);

    // A label list it cannot read: the file, the line and what is wrong; nothing written.
    const std::string bad = folder.write("bad.txt", ascii("2\t2\tintro\n3\tx\tb\n"));
    std::ostringstream refusedErr;
    EXPECT_EQ(runCli({"--at-labels", bad, "--name", folder.path("no"), mother}, CliConsole{out, refusedErr, false}),
              EXIT_REFUSED);
    EXPECT_EQ(refusedErr.str(), "morlando-split: cannot cut where this file says\n  " + bad +
                                    ", line 2: END \"x\" is not a number of seconds\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path("no1.WAV")));
}
