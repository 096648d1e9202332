// What one look at a Mother file finds, and whether the program can cut it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "core/AudioFormat.h"
#include "wav/WavChunks.h"

// The sample length offered for cutting stops 17 frames short of the header's data size.
inline constexpr std::uint32_t MOTHER_DATA_MARGIN = 68;

// Every size of the program is 32-bit; a longer file could not be measured or cut.
inline constexpr std::uint64_t LARGEST_MOTHER_BYTES = 0xFFFFFFFFu;

struct MotherFacts {
    std::FILE* stream = nullptr;  // left at the first sample byte, or past the header without one
    HeaderBytes header{};         // the first 44 bytes, whatever they hold
    std::size_t headerBytesRead = 0;
    std::uint64_t fileBytes = 0;
    WavLayout layout;
    std::uint64_t dataAt = 0;    // the data chunk's first byte
    std::uint32_t dataSize = 0;  // the data chunk's size field; 0 without one
    // The samples as a split in the Mother's own time takes them: the size the header gives (64-bit
    // for RF64) and the size used, which differ when the header was never finished.
    DataExtent extent;
};

// The first reason a file cannot be cut, in the order they are looked for.
enum class MotherProblem { None, TooBig, TooShort, NotRiffWave, NoData, NoFormat, DataTooSmall, DataBeyondFile };

// Opens the file, measures it, reads its first 44 bytes and walks its chunks. Without a stream or
// a length there is nothing to look at: none, and no file is left open.
std::optional<MotherFacts> examineMother(const std::string& path);

// The same, and when there is nothing to look at, why: the runtime's cause, 0 when it gave none.
std::optional<MotherFacts> examineMother(const std::string& path, int& openError);

// As the window takes a header that was never finished: its samples are the bytes to the end of
// the file in whole frames, as a split in the Mother's own time takes them. A size past 32 bits is
// left alone: its file is refused as too big.
void takeUnfinishedHeader(MotherFacts& facts);

// The window's reading: a 32-bit RIFF WAVE whose data chunk fits the file, with the margin.
MotherProblem findMotherProblem(const MotherFacts& facts);

// The reading of a split in the Mother's own time: RIFF or RF64 of any length, an unfinished
// header taken as its extent says; only TooShort, NotRiffWave, NoData and NoFormat are told here.
// Whether its samples can be cut is sampleFormatProblem's answer, and whether it holds a frame the
// extent's.
MotherProblem findSplitProblem(const MotherFacts& facts);
