// Cutting where the recording says: the same three Children from the Mother's markers, a label
// list, a CUE sheet and its silences, carrying its bext and markers.
#include "planning/MarksSpans.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "writing/SplitFiles.h"
#include "writing/SplitWriter.h"
#include "support/MarkedMother.h"
#include "support/ScratchFiles.h"

namespace {

CutRequest requestOf(CutRule rule, const std::string& marksPath = {})
{
    CutRequest request;
    request.rule = rule;
    request.marksPath = marksPath;
    return request;
}

// Numbered from this number on, as the window numbers on after a start pattern near the top.
CutRequest numberedFrom(CutRequest request, std::int32_t firstNumber)
{
    request.firstNumber = firstNumber;
    return request;
}

CutRequest silences(TimeLength shortest, double db = -50.0)
{
    CutRequest request = requestOf(CutRule::Silence);
    request.silenceMin = shortest;
    request.silenceDb = db;
    return request;
}

// The request planned for the Mother, its Children named stem<N>..., and written when planned.
PlannedCut planAndWrite(CutRequest request, const std::string& stem, const std::string& mother)
{
    request.stem = stem;
    PlannedCut cut = planCut(request, {mother, std::nullopt});
    if (cut.plan) {
        SystemCopyFiles files;
        SplitListener nobody;
        SplitStopRequest never;
        EXPECT_TRUE(writeSplit(*cut.plan, files, nobody, never).finished());
    }
    return cut;
}

}  // namespace

TEST(MarksSpans, CutsAtMarkersLabelsCueSheetsAndSilencesAndCarriesTheMothersTime)
{
    const ScratchFolder folder;
    const Bytes samples = markedMotherSamples();
    const std::string mother = folder.write("take.wav", markedMother());
    const std::string labels = folder.write("take.txt", ascii(MARKED_LABELS));
    const std::string sheet = folder.write("take.cue", ascii(MARKED_CUE_SHEET));
    const std::vector<std::string> named = {"kid1.WAV", "kid2-intro_ one.WAV", "kid3-b.WAV"};
    struct Case {
        const char* what;
        CutRequest request;
        std::vector<std::string> names;
        std::vector<std::uint32_t> bounds;  // the Children's first frames, then the Mother's end
        bool noSilence = false;
    };
    const std::vector<Case> cases = {
        {"markers", requestOf(CutRule::Markers), named, {0, 2000, 6000, 10000}},
        {"labels", requestOf(CutRule::Labels, labels), named, {0, 2000, 6000, 10000}},
        {"CUE sheet", requestOf(CutRule::Cue, sheet), named, {0, 2000, 6000, 10000}},
        // Past the top of the range the numbers wrap as the window's do, and a Child numbered
        // below 1 is named without its number.
        {"labels numbered on past the top of the range",
         numberedFrom(requestOf(CutRule::Labels, labels), 2147483646),
         {"kid2147483646.WAV", "kid2147483647-intro_ one.WAV", "kid-b.WAV"},
         {0, 2000, 6000, 10000}},
        {"silences of 400 ms",
         silences({false, 0, 2, 5}),
         {"kid1.WAV", "kid2.WAV", "kid3.WAV"},
         {0, 2000, 6000, 10000}},
        {"silences of 401 ms", silences({false, 0, 401, 1000}), {"kid1.WAV", "kid2.WAV"}, {0, 6000, 10000}},
        {"no silence below -100 dB", silences({false, 0, 1, 1}, -100.0), {"kid1.WAV"}, {0, 10000}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PlannedCut cut = planAndWrite(c.request, folder.path("kid"), mother);
        ASSERT_TRUE(cut.plan);
        EXPECT_EQ(cut.noSilence, c.noSilence);
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
    ASSERT_TRUE(planAndWrite(requestOf(CutRule::Markers), folder.path("kid"), mother).plan);
    const Bytes second = readWhole(folder.path("kid2-intro_ one.WAV"));
    EXPECT_EQ(readWavMetadata(second.size(), readerOf(second)).markers, (std::vector<WavMarker>{{1, 0, "intro: one"}}));
    CutRequest bare = requestOf(CutRule::Markers);
    bare.metadata = false;
    ASSERT_TRUE(planAndWrite(bare, folder.path("bare"), mother).plan);
    EXPECT_EQ(readWhole(folder.path("bare2-intro_ one.WAV")).size(), 44u + 8000u);

    // Nine labels padded to the last number's width: one digit, and the last title fitted to a
    // name of exactly 255 bytes.
    std::string nine;
    for (int start = 0; start < 8; ++start) {
        nine += std::to_string(start) + "\t" + std::to_string(start) + "\t\n";
    }
    const std::string ninth = folder.write("nine.txt", ascii(nine + "8\t8\t" + std::string(300, 'a') + "\n"));
    CutRequest padded = requestOf(CutRule::Labels, ninth);
    padded.digits = DIGITS_OF_LAST_NUMBER;
    padded.stem = folder.path("k");
    const PlannedCut nineCut = planCut(padded, {mother, std::nullopt});
    ASSERT_TRUE(nineCut.plan);
    ASSERT_EQ(nineCut.plan->children.size(), 9u);
    EXPECT_EQ(childName(*nineCut.plan, nineCut.plan->children.front()), folder.path("k1.WAV"));
    EXPECT_EQ(childName(*nineCut.plan, nineCut.plan->children.back()),
              folder.path("k9-" + std::string(248, 'a') + ".WAV"));

    // A label list it cannot read: the file, the line and what is wrong; no plan.
    const std::string bad = folder.write("bad.txt", ascii("2\t2\tintro\n3\tx\tb\n"));
    const PlannedCut refused = planAndWrite(requestOf(CutRule::Labels, bad), folder.path("no"), mother);
    EXPECT_FALSE(refused.plan);
    ASSERT_TRUE(refused.refusal);
    EXPECT_EQ(std::string(refused.refusal->caption), "cannot cut where this file says");
    EXPECT_EQ(cutMessageText(*refused.refusal), bad + ", line 2: END \"x\" is not a number of seconds");
}
