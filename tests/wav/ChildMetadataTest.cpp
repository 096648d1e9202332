#include "wav/ChildMetadata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "support/BytesReader.h"

TEST(ChildMetadata, MovesTheTimeReferenceKeepsIxmlAndCountsMarkersFromTheChildsStart)
{
    // The TimeReference, low 32 bits then high 32 bits, at byte 338 of a 602-byte body.
    struct Moved {
        std::uint64_t mother;
        std::uint64_t firstFrame;
        Bytes child;
    };
    // clang-format off
    const std::vector<Moved> moves = {
        {0, 0,                                   {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {0xFFFFFFFF, 1,                          {0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00}},  // carry into the high half
        {0x7FFFFFFFFFFFFFFF, 1,                  {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80}},  // 2^63
        {0x7FFFFFFFFFFFFF00, 0x1FF,              {0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80}},  // 2^63 + 255
        {0x7FFFFFFFFFFFFFFF, 0x8000000000000001, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},  // 2^64 wraps to 0
    };
    // clang-format on
    for (const Moved& move : moves) {
        SCOPED_TRACE(move.mother);
        Bytes mother = samples(602, 0x33);
        for (std::size_t i = 0; i < 8; ++i) {
            mother[338 + i] = static_cast<std::uint8_t>(move.mother >> (8 * i));
        }
        Bytes expected = join({ascii("bext"), {0x5A, 0x02, 0x00, 0x00}, samples(602, 0x33)});  // size 602
        std::copy(move.child.begin(), move.child.end(), expected.begin() + 8 + 338);
        EXPECT_EQ(childBextChunk(mother, move.firstFrame), expected);
    }
    // An odd body gets its pad byte; one too short for the TimeReference gives no chunk.
    EXPECT_EQ(childBextChunk(Bytes(347, 0), 2),
              join({ascii("bext"), {0x5B, 0x01, 0, 0}, Bytes(338, 0), {2}, Bytes(8, 0), {0}}));
    EXPECT_EQ(childBextChunk(Bytes(345, 0), 2), Bytes{});
    EXPECT_EQ(childIxmlChunk(ascii("<BWFXML/>")), join({ascii("iXML"), {0x09, 0, 0, 0}, ascii("<BWFXML/>"), {0}}));

    // A Child of frames 100 to 299: the markers at 250 and 100 fall inside, 99 and 300 do not.
    const std::vector<WavMarker> markers = {{7, 250, ""}, {2, 99, "before"}, {9, 100, "intro"}, {4, 300, "next"}};
    // clang-format off
    const Bytes expected = {
        'c', 'u', 'e', ' ', 0x34, 0x00, 0x00, 0x00,  // 4 + 2 x 24 bytes
        0x02, 0x00, 0x00, 0x00,                      // two points
        0x01, 0x00, 0x00, 0x00,                      // id 1
        0x00, 0x00, 0x00, 0x00,                      // position 0
        'd', 'a', 't', 'a', 0, 0, 0, 0, 0, 0, 0, 0,  // in the data chunk, chunk and block start 0
        0x00, 0x00, 0x00, 0x00,                      // sample offset 0
        0x02, 0x00, 0x00, 0x00,                      // id 2
        0x96, 0x00, 0x00, 0x00,                      // position 150
        'd', 'a', 't', 'a', 0, 0, 0, 0, 0, 0, 0, 0,
        0x96, 0x00, 0x00, 0x00,                      // sample offset 150
        'L', 'I', 'S', 'T', 0x16, 0x00, 0x00, 0x00,  // 4 + 8 + 10 bytes
        'a', 'd', 't', 'l',
        'l', 'a', 'b', 'l', 0x0A, 0x00, 0x00, 0x00,  // id and "intro" with its zero; the unlabelled one has none
        0x01, 0x00, 0x00, 0x00, 'i', 'n', 't', 'r', 'o', 0x00,
    };
    // clang-format on
    EXPECT_EQ(childMarkerChunks(markers, 100, 200), expected);
    EXPECT_EQ(childMarkerChunks(markers, 101, 149), Bytes{});
    EXPECT_EQ(childMarkerChunks({{1, 0x100000000, "far"}}, 0, 0x200000000), Bytes{});

    // Before the data chunk's header, counted in the RIFF size, or in an RF64 file's ds64 RIFF size.
    const Bytes junk = join({ascii("junk"), {0x02, 0, 0, 0}, ascii("ab")});
    const Bytes riff = join({ascii("RIFF"), {0x2C, 0, 0, 0}, ascii("WAVE"), FMT_16, ascii("data"), {0x08, 0, 0, 0}});
    EXPECT_EQ(withChunksBeforeData(riff, junk),
              join({ascii("RIFF"), {0x36, 0, 0, 0}, ascii("WAVE"), FMT_16, junk, ascii("data"), {0x08, 0, 0, 0}}));
    const auto rf64 = [&](const Bytes& riffSize, const Bytes& more) {
        return join({ascii("RF64"),
                     Bytes(4, 0xFF),
                     ascii("WAVE"),
                     ascii("ds64"),
                     {0x1C, 0, 0, 0},
                     riffSize,
                     Bytes(20, 0),
                     FMT_16,
                     more,
                     ascii("data"),
                     Bytes(4, 0xFF)});
    };
    EXPECT_EQ(withChunksBeforeData(rf64({0xFA, 0xFF, 0xFF, 0xFF, 0x01, 0, 0, 0}, {}), junk),
              rf64({0x04, 0x00, 0x00, 0x00, 0x02, 0, 0, 0}, junk));  // 0x1FFFFFFFA + 10
    Bytes full = riff;
    full[4] = full[5] = full[6] = full[7] = 0xFF;
    EXPECT_EQ(withChunksBeforeData(full, junk), full);
    EXPECT_EQ(withChunksBeforeData(junk, junk), junk);

    // Read back as a Child's file, its metadata is the Mother's, moved to the Child's start.
    Bytes bext(602, 0);
    bext[338] = 16;
    const WavMetadata mother{markers, bext, ascii("<BWFXML/>")};
    const Bytes child = join({riffWave(0, 0), FMT_16, childMetadataChunks(mother, 100, 200), DATA_2000});
    const WavMetadata read = readWavMetadata(child.size(), readerOf(child));
    EXPECT_EQ(read.markers, (std::vector<WavMarker>{{1, 0, "intro"}, {2, 150, ""}}));
    EXPECT_EQ(read.ixml, ascii("<BWFXML/>"));
    ASSERT_TRUE(read.bext.has_value());
    EXPECT_EQ(bextTimeReference(*read.bext), 116u);
}

TEST(ChildMetadata, DatesTheBextAndTheIxmlTimestampsAtTheChildsOwnStart)
{
    const BextTime at{"2026-12-11", "00:00:00", 0x100000002};
    Bytes mother = samples(602, 0x33);
    Bytes expected = join({ascii("bext"), {0x5A, 0x02, 0x00, 0x00}, samples(602, 0x33)});
    const Bytes fields = join({ascii("2026-12-1100:00:00"), {0x02, 0, 0, 0, 0x01, 0, 0, 0}});  // date, time, TR
    std::copy(fields.begin(), fields.end(), expected.begin() + 8 + 320);
    EXPECT_EQ(childBextChunkAt(mother, at), expected);
    EXPECT_EQ(childBextChunkAt(Bytes(345, 0), at), Bytes{});

    struct Case {
        const char* mother;
        const char* child;
    };
    const Case cases[] = {
        {"<BWFXML><NOTE>take</NOTE></BWFXML>", "<BWFXML><NOTE>take</NOTE></BWFXML>"},
        {"<BEXT><BWF_ORIGINATION_DATE>2026-12-10</BWF_ORIGINATION_DATE><BWF_ORIGINATION_TIME>23:30:00"
         "</BWF_ORIGINATION_TIME><BWF_TIME_REFERENCE_LOW>4</BWF_TIME_REFERENCE_LOW><BWF_TIME_REFERENCE_HIGH>0"
         "</BWF_TIME_REFERENCE_HIGH></BEXT>",
         "<BEXT><BWF_ORIGINATION_DATE>2026-12-11</BWF_ORIGINATION_DATE><BWF_ORIGINATION_TIME>00:00:00"
         "</BWF_ORIGINATION_TIME><BWF_TIME_REFERENCE_LOW>2</BWF_TIME_REFERENCE_LOW><BWF_TIME_REFERENCE_HIGH>1"
         "</BWF_TIME_REFERENCE_HIGH></BEXT>"},
        {"<TIMESTAMP_SAMPLES_SINCE_MIDNIGHT_HI>0</TIMESTAMP_SAMPLES_SINCE_MIDNIGHT_HI>"
         "<TIMESTAMP_SAMPLES_SINCE_MIDNIGHT_LO>9</TIMESTAMP_SAMPLES_SINCE_MIDNIGHT_LO><BWF_ORIGINATION_DATE>",
         "<TIMESTAMP_SAMPLES_SINCE_MIDNIGHT_HI>1</TIMESTAMP_SAMPLES_SINCE_MIDNIGHT_HI>"
         "<TIMESTAMP_SAMPLES_SINCE_MIDNIGHT_LO>2</TIMESTAMP_SAMPLES_SINCE_MIDNIGHT_LO><BWF_ORIGINATION_DATE>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mother);
        EXPECT_EQ(ixmlAt(ascii(c.mother), at), ascii(c.child));
    }
}
