// What one look at a Mother file finds, and whether the program can cut it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "core/AudioFormat.h"

// The sample length offered for cutting stops 17 frames short of the header's data size.
inline constexpr std::uint32_t MOTHER_DATA_MARGIN = 68;

// Every size of the program is 32-bit; a longer file could not be measured or cut.
inline constexpr std::uint64_t LARGEST_MOTHER_BYTES = 0xFFFFFFFFu;

struct MotherFacts {
    std::FILE* stream = nullptr;  // left just past the header
    HeaderBytes header{};
    std::size_t headerBytesRead = 0;
    std::uint64_t fileBytes = 0;
    std::uint32_t dataSize = 0;
};

// The first reason a file cannot be cut, in the order they are looked for.
enum class MotherProblem { None, TooBig, TooShort, DataTooSmall, DataBeyondFile };

// Opens the file, measures it and reads its header. Without a stream or a length there is
// nothing to look at: none, and no file is left open.
std::optional<MotherFacts> examineMother(const std::string& path);

MotherProblem findMotherProblem(const MotherFacts& facts);
