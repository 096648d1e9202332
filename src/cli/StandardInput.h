// Standard input as the Mother of a split of a stream: read in binary, as it arrives, and told
// apart from a file (a Child's name must not lead to a file that standard input reads). Each
// system has its own.
#pragma once

#include <string>

#include "writing/StreamSplit.h"

struct StandardInput {
    StreamSource read;
    StreamMove move;  // none where the system has no such move
    // The file standard input reads, as a name that leads to it; empty for a pipe or a terminal.
    std::string (*file)() = nullptr;
};

// Standard input made ready to be read in binary.
StandardInput openStandardInput();
