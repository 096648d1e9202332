// A split as a value: where the Mother's samples are and every Child to be made of them, with its
// number and slice, and the stem and header fields its name and header are made of. Planning reads
// no file and writes none; the writer carries a plan out, and a dry run prints one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/AudioFormat.h"
#include "planning/ClockNames.h"
#include "wav/ChildSpan.h"
#include "wav/MotherFacts.h"
#include "wav/WavChunks.h"
#include "wav/WavMetadata.h"

// The Mother as it was found when it was loaded. The writer refuses a file that no longer looks
// so: another length, or a data chunk elsewhere or of another size.
struct MotherSource {
    std::string path;
    std::uint64_t fileBytes = 0;
    std::uint64_t dataAt = 0;           // file offset of the first sample byte
    std::uint64_t dataChunkBytes = 0;   // the data size the header gives (an RF64 file's from its ds64)
    std::uint64_t sampleBytes = 0;      // the sample bytes the rules may cut, from dataAt on
    std::optional<WavFormat> format;    // the fmt chunk's fields, when the caller read them
    std::vector<std::uint8_t> fmtBody;  // the fmt chunk's body, which Children in its own time carry
};

// The Mother as LOAD takes it from a first look at its file: the samples offered for cutting stop
// the margin short of the data chunk's end.
MotherSource motherSourceOf(const std::string& path, const MotherFacts& facts);

// The Mother as a split in its own time reads it: RIFF or RF64, the samples its extent takes
// (an unfinished header's up to the file's end), in whole frames of its block align.
MotherSource ownTimeSourceOf(const std::string& path, const MotherFacts& facts);

// One Child, small enough that a plan of tens of thousands costs little memory: its name and
// header are made out from the plan when they are needed (childName, childFileHeader).
struct PlannedChild {
    std::int32_t number = 0;
    std::uint64_t sampleBytes = 0;
    std::uint64_t firstByte = 0;  // file offset in the Mother of the Child's first sample byte
    std::string title;            // the span's title, empty when it has none

    friend bool operator==(const PlannedChild&, const PlannedChild&) = default;
};

struct SplitPlan {
    MotherSource mother;
    std::string stem;            // the Children are named stem, number, ".WAV"
    std::uint32_t digits = 0;    // the number padded with zeros to so many digits; 0: as it is
    HeaderBytes headerFields{};  // every Child's header but its two sizes, for the window's rules
    // In the Mother's own time: the fmt body every Child carries as it stands (then headerFields is
    // not used), and its frame size; empty for the window's 44-byte headers.
    std::vector<std::uint8_t> childFmt;
    std::uint16_t frameBytes = 0;
    // In the Mother's own time: the Mother's bext, iXML and markers, which every Child carries
    // moved to its own start, between its fmt and data chunks; none for bare Children.
    std::optional<WavMetadata> carried;
    std::vector<PlannedChild> children;  // in the order they are written
    // The rest after the last whole piece of a how-many cut: numbered and named as a Child, but
    // never written, so a file that already bears its name stays as it was.
    std::optional<PlannedChild> unwritten;
    std::int32_t nextNumber = 0;   // the number a following split goes on with
    std::uint32_t blockBytes = 0;  // the copy block the progress is counted in
    // On the wall clock: the Mother's start and zone, by which the carried bext and iXML are
    // dated at each Child's start, and the list tells it; with a pattern that is not a title,
    // each Child's title is its whole name, beside the stem's folder.
    std::optional<ChildClock> clock;
};

// Whether the Children's titles are their whole names.
bool namedByClock(const SplitPlan& plan);

// The Child's file name: the stem, the number when above 0, "-" and the title when it has one,
// and the extension.
std::string childName(const SplitPlan& plan, const PlannedChild& child);

// The 44 bytes of the window's rules written before the Child's samples: the plan's fields and the
// Child's own sizes.
HeaderBytes childHeader(const SplitPlan& plan, const PlannedChild& child);

// The bytes written before the Child's samples: in the Mother's own time its fmt chunk as it
// stands (RF64 for a Child of 4 GiB or more) and the metadata it carries, otherwise the window's
// 44 bytes.
std::vector<std::uint8_t> childFileHeader(const SplitPlan& plan, const PlannedChild& child);

// How many bytes childFileHeader gives, without making them.
std::uint64_t childFileHeaderBytes(const SplitPlan& plan, const PlannedChild& child);

// What the window's commands choose, as the window's rules read it.
struct CutChoice {
    std::uint32_t pieceBytes = 0;
    CutMode cutMode = CutMode::None;
    std::int32_t startPattern = 0;  // above 0: the first piece written, and its number
    std::int32_t childNumber = 0;   // otherwise the numbering goes on from here
    std::string childStem;
    HeaderBytes templateHeader{};       // the fields a template cut carries; a time or count cut gets the default ones
    bool defaultFields = false;         // a template cut that gets the default fields all the same
    std::uint32_t copyBufferBytes = 0;  // 0 means the default block
    // A Mother of another format than the cut arithmetic's: the 44-byte header made from its own
    // fmt fields. Its Children are cut at its whole frames, and a time or count cut carries it.
    std::optional<HeaderBytes> motherOwnHeader;
};

// The header a Child of this Mother carries under the window's rules when the Mother is of
// another format than 16-bit stereo 44 100 Hz PCM; none for that format.
std::optional<HeaderBytes> motherOwnHeaderOf(const WavFormat& format);

// The bytes rounded down to whole frames of a Mother of another format (its block align); the
// cut arithmetic's own format, and a block align of 0, are cut by the bytes as given.
std::uint64_t wholeFramesOf(const std::optional<HeaderBytes>& motherOwnHeader, std::uint64_t bytes);

// The last, short Child stops this many bytes short of the cuttable length, except in how-many
// mode, where that Child is not kept at all.
inline constexpr std::uint32_t LAST_PIECE_TRIM = 64;

// The copy block is what the progress counts. A larger one is taken as this size, so a split
// never holds more memory than that.
inline constexpr std::uint32_t COPY_BLOCK_MAX = 8 * 1024 * 1024;

// The window's rules: whole pieces from the start pattern on, then the rest, 64 bytes short, as
// a last Child when it is at least that long; in how-many mode the rest is never written but
// takes its number. Without a piece length the plan has no Child.
SplitPlan planWindowSplit(const MotherSource& mother, const CutChoice& choice);

// What a split in the Mother's own time is told besides its spans.
struct SpanChoice {
    std::string childStem;
    std::int32_t firstNumber = 1;       // the first span's number; each next one is one more
    std::int32_t from = 0;              // above 0: the spans before the one numbered so are not written
    std::uint32_t copyBufferBytes = 0;  // 0 means the default block
};

// A split in the Mother's own time: one Child a span, numbered in order, its slice the span's
// frames of the Mother and its header the Mother's own fmt. A span, or its part, past the
// Mother's last frame is not taken.
SplitPlan planSpans(const MotherSource& mother, const ChildSpans& spans, const SpanChoice& choice);
