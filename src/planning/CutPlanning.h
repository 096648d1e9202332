// The one place that decides how a Mother is cut: a cut request and a Mother in, a split plan or
// the reason there is none out, with what is worth a warning. Nothing is shown or printed here;
// each front end tells the messages in its own way.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/CutRequest.h"
#include "planning/SplitPlan.h"

// A refusal or a warning: its caption, the file it is about (the Mother, the template or the
// file of marks) and what is wrong with it.
struct CutMessage {
    const char* caption = nullptr;
    std::string file;
    std::size_t line = 0;  // in a file of marks, the line that is wrong, from 1; 0 for none
    std::string problem;   // what is wrong in a file of marks, said after the file and its line
    std::string lines;     // under the file, each starting with a line break: the numbers read, the cause
};

// A message about a whole file, with these lines under it.
CutMessage cutMessage(const char* caption, const std::string& file, std::string lines = {});

// The runtime's cause as a line under a message; nothing when it gave none.
std::string causeLine(int cause);

// The text under the caption: "FILE", ", line N" and ": problem" when given, then the lines.
std::string cutMessageText(const CutMessage& message);

// The Mother as the window's LOAD found it: the samples it offered and where, and the header its
// own format gives the Children when it is not the cut arithmetic's.
struct LoadedMother {
    MotherSource source;
    std::optional<HeaderBytes> ownHeader;
};

// The Mother a request cuts. The window's rules cut a loaded Mother as it stands and read nothing
// of it; any other Mother is read afresh from its path, as the request's rules read it.
struct CutMother {
    std::string path;
    std::optional<LoadedMother> loaded;
};

struct PlannedCut {
    std::optional<SplitPlan> plan;           // none when refused
    std::optional<CutMessage> refusal;       // why there is no plan
    std::optional<CutMessage> unfinished;    // the warning that the header's data size is not the file's
    bool noSilence = false;                  // the silences gave no cut: the Mother stays one Child
    std::optional<CutMessage> startWarning;  // the start on the clock is the bext's OriginationTime
};

// The plan of the request for the Mother, or why the Mother, the template, the file of marks or
// the length cannot be cut. A Mother whose header was never finished is warned of and planned all
// the same.
PlannedCut planCut(const CutRequest& request, const CutMother& mother);
