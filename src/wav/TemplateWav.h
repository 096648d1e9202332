// Reading a template ("LIKE") wave: the piece length it gives and the header the Children carry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/AudioFormat.h"
#include "wav/WavChunks.h"

// The first reason a template cannot be used, in the order they are looked for.
enum class TemplateProblem { None, CannotOpen, TooShort, NotRiffWave, NoData, NoFormat };

struct TemplateWav {
    TemplateProblem problem = TemplateProblem::None;
    int openError = 0;  // when it cannot be opened: the runtime's cause, 0 when it gave none
    std::size_t headerBytesRead = 0;
    std::uint32_t pieceBytes = 0;  // the size its data chunk states; the samples need not be there
    HeaderBytes childHeader{};     // the header carried into every Child
    WavFormat format;              // its fmt fields: a piece as long in time needs its rate and frame
};

// Reads the template at path. The piece length is its data chunk's size, wherever that chunk
// stands. A template whose first 44 bytes are the fixed header gives them unchanged as the Child
// header; any other layout gives the fixed header made from its own fmt fields, so that every Child
// is a valid WAV whatever chunks the template held.
TemplateWav readTemplateWav(const std::string& path);
