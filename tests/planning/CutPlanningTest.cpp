// The planning of a cut in the Mother's own time, over every sample format it cuts: the Children
// laid end to end are the Mother's samples, each headed by the Mother's own fmt chunk; a Mother it
// cannot cut is refused as a value, naming the file and the numbers read.
#include "planning/CutPlanning.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "writing/SplitFiles.h"
#include "writing/SplitWriter.h"
#include "support/ScratchFiles.h"
#include "support/WavLayouts.h"

namespace {

Bytes le32(std::uint64_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

Bytes le16(std::uint32_t value) { return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)}; }

// A fmt chunk of 16 bytes, of 18 (cbSize 0) or, extensible, of 40 with this channel mask.
struct Format {
    const char* what;
    std::uint16_t tag;
    std::uint16_t channels;
    std::uint32_t rate;
    std::uint16_t align;
    std::uint16_t bits;
    std::uint32_t fmtBytes;
    std::uint32_t mask = 0;
    std::uint16_t subFormat = 0;

    Bytes chunk() const
    {
        Bytes body =
            join({le16(tag), le16(channels), le32(rate), le32(std::uint64_t{rate} * align), le16(align), le16(bits)});
        if (fmtBytes >= 18) {
            const Bytes extension =
                fmtBytes == 40
                    ? join({le16(bits),
                            le32(mask),
                            le16(subFormat),
                            {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}})
                    : Bytes{};
            body = join({body, le16(static_cast<std::uint32_t>(extension.size())), extension});
        }
        return join({ascii("fmt "), le32(body.size()), body});
    }
};

// clang-format off
const Format FORMATS[] = {
    {"8-bit mono 8 kHz",          1, 1, 8000,  1, 8,  16},
    {"16-bit stereo 44.1 kHz",    1, 2, 44100, 4, 16, 16},
    {"24-bit stereo 48 kHz",      1, 2, 48000, 6, 24, 16},
    {"24-bit stereo 96 kHz",      1, 2, 96000, 6, 24, 16},
    {"24 bits in 4-byte boxes",   1, 2, 48000, 8, 24, 16},
    {"32-bit integer stereo",     1, 2, 48000, 8, 32, 16},
    {"float 32 stereo",           3, 2, 48000, 8, 32, 18},
    {"float 64 mono",             3, 1, 48000, 8, 64, 18},
    {"5.1 24-bit extensible",     0xFFFE, 6, 48000, 18, 24, 40, 0x3F, 1},
};
// clang-format on

class OwnTime : public ::testing::Test {
protected:
    // A Mother of the format: its fmt chunk, then a data chunk of `frames` frames of bytes that
    // differ from their neighbours, its size field as given (by default the true one).
    std::string writeMother(const Format& format, std::uint64_t frames, std::optional<std::uint32_t> sizeField = {},
                            const Bytes& tail = {})
    {
        const Bytes fmt = format.chunk();
        samples_ = samples(static_cast<std::size_t>(frames * format.align), 3);
        const std::uint64_t dataSize = sizeField.value_or(static_cast<std::uint32_t>(samples_.size()));
        mother_ = join({ascii("RIFF"), le32(4 + fmt.size() + 8 + samples_.size() + tail.size()), ascii("WAVE"), fmt,
                        ascii("data"), le32(dataSize), samples_, tail});
        return folder.write("mother.wav", mother_);
    }

    // The request planned for mother.wav, its Children named kid<N>.WAV, and written when planned.
    PlannedCut run(CutRequest request)
    {
        request.stem = folder.path("kid");
        PlannedCut cut = planCut(request, {folder.path("mother.wav"), std::nullopt});
        if (cut.plan) {
            SystemCopyFiles files;
            SplitListener nobody;
            SplitStopRequest never;
            EXPECT_TRUE(writeSplit(*cut.plan, files, nobody, never).finished());
        }
        return cut;
    }

    // The caption and the text under it, as the front ends show a refusal or a warning.
    static std::string said(const std::optional<CutMessage>& message)
    {
        return message ? std::string(message->caption) + "\n" + cutMessageText(*message) : std::string();
    }

    // Children kid1.WAV, kid2.WAV, ... of these frames, each "RIFF" and its size, "WAVE", the
    // Mother's fmt chunk as written, "data" and its size, and the Mother's samples in order; no more.
    ::testing::AssertionResult childrenAre(const std::vector<std::uint64_t>& frames, const Format& format) const
    {
        const Bytes fmt = format.chunk();
        std::size_t at = 0;
        for (std::size_t i = 0; i < frames.size(); ++i) {
            const std::string path = folder.path("kid" + std::to_string(i + 1) + ".WAV");
            const std::size_t bytes = static_cast<std::size_t>(frames[i] * format.align);
            const Bytes header =
                join({ascii("RIFF"), le32(4 + fmt.size() + 8 + bytes), ascii("WAVE"), fmt, ascii("data"), le32(bytes)});
            const Bytes child = readWhole(path);
            if (child.size() != header.size() + bytes || !std::equal(header.begin(), header.end(), child.begin()) ||
                !std::equal(child.begin() + static_cast<std::ptrdiff_t>(header.size()), child.end(),
                            samples_.begin() + static_cast<std::ptrdiff_t>(at))) {
                return ::testing::AssertionFailure() << path << " is not header and samples from byte " << at;
            }
            at += bytes;
        }
        if (std::filesystem::exists(folder.path("kid" + std::to_string(frames.size() + 1) + ".WAV"))) {
            return ::testing::AssertionFailure() << "one Child too many";
        }
        return ::testing::AssertionSuccess();
    }

    void removeChildren() const
    {
        for (int n = 1; std::filesystem::remove(folder.path("kid" + std::to_string(n) + ".WAV")); ++n) {
        }
    }

    ScratchFolder folder;
    Bytes samples_;
    Bytes mother_;
};

CutRequest every(TimeLength length)
{
    CutRequest request;
    request.rule = CutRule::Time;
    request.every = length;
    return request;
}

constexpr TimeLength TEN_SECONDS{false, 0, 10, 1};

}  // namespace

TEST_F(OwnTime, EveryFormatIsCutAtItsOwnFramesAndKeepsItsFmt)
{
    // A template of 10 s at 22 050 Hz mono, 16 bits: pieces of 10 s at the Mother's rate.
    const Bytes like =
        join({ascii("RIFF"), le32(36 + 441000), ascii("WAVE"), Format{"", 1, 1, 22050, 2, 16, 16}.chunk(),
              ascii("data"), le32(441000), Bytes(441000, 0)});
    CutRequest likeIt;
    likeIt.rule = CutRule::Like;
    likeIt.likePath = folder.write("like.wav", like);
    CutRequest threePieces;
    threePieces.rule = CutRule::Count;
    threePieces.pieces = 3;
    for (const Format& format : FORMATS) {
        SCOPED_TRACE(format.what);
        const std::uint64_t second = format.rate;
        writeMother(format, 25 * second + 7);
        for (const CutRequest& request : {every(TEN_SECONDS), likeIt}) {
            const PlannedCut cut = run(request);
            ASSERT_TRUE(cut.plan) << said(cut.refusal);
            EXPECT_FALSE(cut.unfinished);
            EXPECT_TRUE(childrenAre({10 * second, 10 * second, 5 * second + 7}, format));
            removeChildren();
        }

        // Three pieces: two of a third of the frames, the last with the one frame over.
        ASSERT_TRUE(run(threePieces).plan);
        const std::uint64_t third = (25 * second + 7) / 3;
        EXPECT_TRUE(childrenAre({third, third, 25 * second + 7 - 2 * third}, format));
        removeChildren();
    }
}

// "auto" pads to the last number's width, from the first piece written on; 9 and 99 Children
// are the last ones of a width.
TEST_F(OwnTime, DigitsPadTheNumbersToAWidthOfTheirOwnOrOfTheLastOne)
{
    writeMother(FORMATS[0], 12 * FORMATS[0].rate);
    const struct {
        std::int32_t digits;
        std::int32_t from;
        const char* first;
        const char* last;
        std::uint32_t pieces = 0;  // none: a Child a second
    } cases[] = {{DIGITS_OF_LAST_NUMBER, 0, "kid01.WAV", "kid12.WAV"},
                 {DIGITS_OF_LAST_NUMBER, 10, "kid10.WAV", "kid12.WAV"},
                 {4, 0, "kid0001.WAV", "kid0012.WAV"},
                 {1, 0, "kid1.WAV", "kid12.WAV"},
                 {DIGITS_OF_LAST_NUMBER, 0, "kid1.WAV", "kid9.WAV", 9},
                 {DIGITS_OF_LAST_NUMBER, 0, "kid01.WAV", "kid99.WAV", 99},
                 {DIGITS_OF_LAST_NUMBER, 0, "kid001.WAV", "kid100.WAV", 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.digits) + " digits, " + c.last);
        CutRequest request = every(TimeLength{false, 0, 1, 1});
        if (c.pieces > 0) {
            request.rule = CutRule::Count;
            request.pieces = c.pieces;
        }
        request.digits = c.digits;
        request.from = c.from;
        request.stem = folder.path("kid");
        const PlannedCut cut = planCut(request, {folder.path("mother.wav"), std::nullopt});
        ASSERT_TRUE(cut.plan) << said(cut.refusal);
        EXPECT_EQ(childName(*cut.plan, cut.plan->children.front()), folder.path(c.first));
        EXPECT_EQ(childName(*cut.plan, cut.plan->children.back()), folder.path(c.last));
    }
}

TEST_F(OwnTime, UnfinishedHeadersAreReadToTheEndInWholeFrames)
{
    const Format& cd = FORMATS[1];
    const std::uint64_t frames = 25 * 44100 + 7;
    struct Case {
        const char* what;
        std::uint32_t sizeField;
    };
    for (const Case& c : {Case{"size 0", 0}, Case{"size 0xFFFFFFFF", 0xFFFFFFFF}, Case{"past the end", 4410100}}) {
        SCOPED_TRACE(c.what);
        // Half a frame after the last whole one: a recorder stopped in the middle of a frame.
        const std::string path = writeMother(cd, frames, c.sizeField, {0xAB, 0xCD});
        const PlannedCut cut = run(every(TEN_SECONDS));
        ASSERT_TRUE(cut.plan) << said(cut.refusal);
        EXPECT_EQ(said(cut.unfinished), "warning: the header's data size is not the file's\n" + path +
                                            "\ndata size in the header = " + std::to_string(c.sizeField) +
                                            "\ndata size used = 4410028\n"
                                            "the samples are the bytes to the end of the file, in whole frames");
        EXPECT_TRUE(childrenAre({441000, 441000, 220507}, cd));
        removeChildren();
    }

    // A data chunk of size 0 followed by a chunk is empty, not unfinished: nothing to cut.
    const Bytes list = join({ascii("LIST"), le32(4), ascii("INFO")});
    const std::string path = writeMother(cd, 0, 0, list);
    const PlannedCut cut = run(every(TEN_SECONDS));
    EXPECT_FALSE(cut.plan);
    EXPECT_EQ(said(cut.refusal),
              "MOTHER Wavfile holds no whole frame\n" + path + "\ndata size used = 0\nblock align = 4");
    EXPECT_FALSE(cut.unfinished);
}

TEST_F(OwnTime, AnRf64MotherByItsDs64AndAMotherOfOneFrameGiveEveryFrame)
{
    const Format& format = FORMATS[2];  // 24-bit stereo 48 kHz
    const std::uint64_t frames = 25 * 48000 + 7;
    writeMother(format, frames);
    const Bytes fmt = format.chunk();
    const std::uint64_t riff = 4 + 36 + fmt.size() + 8 + samples_.size();
    const Bytes ds64 = join(
        {ascii("ds64"), le32(28), le32(riff), le32(0), le32(samples_.size()), le32(0), le32(frames), le32(0), le32(0)});
    folder.write("mother.wav", join({ascii("RF64"), le32(0xFFFFFFFF), ascii("WAVE"), ds64, fmt, ascii("data"),
                                     le32(0xFFFFFFFF), samples_}));
    const PlannedCut cut = run(every(TEN_SECONDS));
    ASSERT_TRUE(cut.plan) << said(cut.refusal);
    EXPECT_FALSE(cut.unfinished);
    EXPECT_TRUE(childrenAre({480000, 480000, 240007}, format));
    removeChildren();

    // A Mother of one frame gives one Child of that frame.
    writeMother(format, 1);
    ASSERT_TRUE(run(every({true, 480000, 0, 1})).plan);
    EXPECT_TRUE(childrenAre({1}, format));
}

TEST_F(OwnTime, OtherFormatsAreRefusedByTheirTagAndNothingIsWritten)
{
    struct Case {
        Format format;
        std::string lines;
    };
    const Case cases[] = {
        {{"ADPCM", 2, 2, 44100, 2048, 4, 18},
         "format tag = 2\nchannels = 2\nbits per sample = 4\nsamples per second = 44100\nblock align = 2048\n"},
        {{"block align 0", 1, 2, 48000, 0, 24, 16},
         "format tag = 1\nchannels = 2\nbits per sample = 24\nsamples per second = 48000\nblock align = 0\n"},
        {{"extensible MPEG layer 3", 0xFFFE, 2, 48000, 8, 32, 40, 3, 0x55},
         "format tag = 65534\nsub-format tag = 85\nchannels = 2\nbits per sample = 32\n"
         "samples per second = 48000\nblock align = 8\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format.what);
        const std::string path = writeMother(c.format, 100);
        const PlannedCut cut = run(every(TEN_SECONDS));
        EXPECT_FALSE(cut.plan);
        EXPECT_EQ(said(cut.refusal), "MOTHER samples are in a format the split cannot cut\n" + path + "\n" + c.lines +
                                         "wanted: PCM of 8, 16, 24 or 32 bits or IEEE float of 32 or 64 bits, with a "
                                         "block align that holds every channel's sample");
    }
}
