// What the rules that read a file of marks (a label list, a CUE sheet) give: the Children, or why
// the file cannot be used, with the file, the line and what is wrong, so that nothing is written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wav/ChildSpan.h"

struct MarksRefusal {
    std::string file;
    std::size_t line = 0;  // from 1; 0 when the file as a whole is wrong
    std::string problem;

    friend bool operator==(const MarksRefusal&, const MarksRefusal&) = default;
};

struct MarksRead {
    ChildSpans spans;
    std::optional<MarksRefusal> refusal;  // when set, spans is empty
};

// "FILE, line N: problem", or "FILE: problem" for the file as a whole.
std::string refusalText(const MarksRefusal& refusal);

// The file's lines, without their line ends (LF or CR LF) and without a leading byte-order mark.
std::vector<std::string_view> linesOf(std::string_view text);

// The frame nearest to seconds + part / parts (part below parts, parts at most 10^9) at this
// rate, a half frame rounding up; none when it would not fit 64 bits.
std::optional<std::uint64_t> nearestFrame(std::uint64_t seconds, std::uint64_t part, std::uint64_t parts,
                                          std::uint32_t rate);
