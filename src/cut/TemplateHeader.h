// Taking the header of the template wave that likePath names: the one way the piece length comes
// from a template, whether the user picks it or a settings file names it.
#pragma once

#include "ui/Platform.h"

// Takes the template's data chunk size into pieceBytes (for a Mother of another format, the bytes
// of its own time that last as long as those of the template) and the header every Child will carry
// into headerBuf (its own first 44 bytes when they are a canonical header, else one made from
// its fmt chunk). A template that cannot give both is refused with a box naming it: likeChosen
// becomes 0 and nothing else changes. True when the header was taken.
bool takeTemplateHeader(CommandContext& ctx);
