#include "wav/WavMetadata.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/BytesReader.h"

namespace {

Bytes cuePoint(std::uint32_t id, std::uint32_t frame)
{
    return join({le32(id), le32(frame), ascii("data"), le32(0), le32(0), le32(frame)});
}

Bytes labl(std::uint32_t id, const std::string& text) { return chunkOf("labl", join({le32(id), ascii(text)})); }

WavMetadata readOf(const Bytes& file) { return readWavMetadata(file.size(), readerOf(file)); }

}  // namespace

TEST(WavMetadata, ReadsMarkersWithTheirLabelsBextAndIxmlWhereverTheyStand)
{
    const Bytes bext = samples(602, 0x21);
    const Bytes ixml = ascii("<BWFXML/>");
    const Bytes cue = join({le32(3), cuePoint(1, 100), cuePoint(2, 7), cuePoint(3, 0xFFFFFFFF)});
    // Labels with and without their terminating zero, an odd one with its pad, a second label of
    // id 1 (the first counts), a note that is no label, and id 2 without a label.
    const Bytes adtl = join({ascii("adtl"), labl(1, std::string("intro\0", 6)), labl(3, "end"), labl(1, "again"),
                             chunkOf("note", join({le32(2), ascii("no")}))});
    const Bytes rf64Data = join({ascii("data"), le32(0xFFFFFFFF), samples(8)});
    const Bytes ds64 = chunkOf("ds64", join({le32(0), le32(0), le32(8), le32(0), Bytes(12, 0)}));

    struct Case {
        const char* what;
        Bytes file;
        std::vector<WavMarker> markers;
        bool bextFound;
        bool ixmlFound;
    };
    const std::vector<WavMarker> all = {{1, 100, "intro"}, {2, 7, ""}, {3, 0xFFFFFFFF, "end"}};
    const std::vector<Case> cases = {
        {"bext and iXML before fmt, cue and labels after the data",
         join({riffWave(0, 0), chunkOf("bext", bext), chunkOf("iXML", ixml), FMT_16, DATA_2000, samples(2000),
               chunkOf("cue ", cue), chunkOf("LIST", adtl)}),
         all, true, true},
        {"labels before the cue chunk, an INFO list beside them",
         join({riffWave(0, 0), chunkOf("LIST", ascii("INFOjunk")), chunkOf("LIST", adtl), FMT_16, chunkOf("cue ", cue),
               DATA_2000, samples(2000)}),
         all, false, false},
        {"a count larger than the points the chunk holds",
         join({riffWave(0, 0), chunkOf("cue ", join({le32(1000), cuePoint(9, 5), Bytes(23, 0)}))}),
         {{9, 5, ""}},
         false,
         false},
        {"RF64: the data size in ds64, the cue chunk after the data",
         join({ascii("RF64"), le32(0xFFFFFFFF), ascii("WAVE"), ds64, FMT_16, rf64Data, chunkOf("cue ", cue)}),
         {{1, 100, ""}, {2, 7, ""}, {3, 0xFFFFFFFF, ""}},
         false,
         false},
        {"a data chunk past the file's end hides what follows",
         join({riffWave(0, 0), ascii("data"), le32(100000), samples(2000), chunkOf("cue ", cue)}),
         {},
         false,
         false},
        {"bext running past the file's end", join({riffWave(0, 0), ascii("bext"), le32(603), bext}), {}, false, false},
        {"not a RIFF WAVE", join({ascii("RIFX"), le32(0), ascii("WAVE"), chunkOf("cue ", cue)}), {}, false, false},
        {"shorter than RIFF WAVE", ascii("RIFF"), {}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WavMetadata found = readOf(c.file);
        EXPECT_EQ(found.markers, c.markers);
        EXPECT_EQ(found.bext, c.bextFound ? std::optional<Bytes>(bext) : std::nullopt);
        EXPECT_EQ(found.ixml, c.ixmlFound ? std::optional<Bytes>(ixml) : std::nullopt);
    }
}
