// Why a Mother cannot be cut, as LOAD and the command line both tell it: the caption, and the
// numbers that go under the path.
#pragma once

#include <optional>
#include <string>

#include "wav/MotherFacts.h"

struct MotherRefusal {
    const char* caption = nullptr;
    std::string numbers;  // one line per number, each starting with a line break
};

// The first reason the examined file cannot be cut by the window's reading; none when it can.
std::optional<MotherRefusal> motherRefusalOf(const MotherFacts& facts);

// The refusal of a problem found by either reading; none for None.
std::optional<MotherRefusal> motherRefusalFor(MotherProblem problem, const MotherFacts& facts);

// A file that cannot even be opened and measured, with the runtime's cause (0 when it gave none):
// a folder is told as one.
MotherRefusal motherCannotOpen(int openError = 0);
