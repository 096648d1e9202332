// Taking the header of the template wave that likePath names: the one way the piece length comes
// from a template, whether the user picks it or a settings file names it.
#pragma once

#include "ui/Platform.h"

// Reads the template's header into headerBuf and its data size into pieceBytes. A template that
// cannot give a whole header is refused with a box naming it: likeChosen becomes 0 and nothing
// else changes. True when the header was taken.
bool takeTemplateHeader(CommandContext& ctx);
