// The steps of the planning that a file Mother and a Mother on standard input share: what a
// format, a template and a piece length are refused for, each setting its refusal in `cut`.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "planning/CutPlanning.h"
#include "wav/TemplateWav.h"

// The fmt fields of a Mother the split cannot cut, and what it can.
std::string formatLines(const WavFormat& format);

// The template as "Take SIZE from =" reads it; none after saying why it cannot be used, or that
// its data chunk is empty.
std::optional<TemplateWav> readTemplate(const std::string& path, PlannedCut& cut);

// The frames of the Mother as long in time as the template's data; 0 when the template has none.
std::optional<std::uint64_t> framesOfTemplate(const TemplateWav& read, const MotherSource& mother);

// The piece's frames, or none after saying that the piece is longer than any Mother or shorter
// than one of its frames.
std::optional<std::uint64_t> pieceFramesOf(std::optional<std::uint64_t> pieceFrames, const MotherSource& mother,
                                           PlannedCut& cut);
