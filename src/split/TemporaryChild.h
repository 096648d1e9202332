// The name a Child is written under until it is whole, and the leftovers of runs that were
// killed before they could remove theirs.
//
// A Child named c3.WAV is written as c3.WAV.<process id>-<8 hex digits>.part in the same folder:
// its extension is not a wave's, so no player or later split takes it for a Child; the process
// id and the random part keep two runs, even of one program, from ever sharing a name. Once it
// is flushed and closed, it is renamed to c3.WAV in one step.
//
// A run that is killed leaves at most its one temporary file. A later split into the same folder
// and stem removes every temporary file of that stem whose process is no longer running (or is
// the later split's own process, which has not made one yet); those of a run still going are
// left alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The part of a temporary name that tells a run apart: its process and a random number.
struct RunMark {
    std::uint32_t processId = 0;
    std::uint32_t random = 0;
};

// A mark for this run: this process's id and a fresh random number.
RunMark markOfThisRun();

// "<child path>.<process id>-<random, 8 hex digits>.part".
std::string temporaryNameOf(const std::string& childPath, const RunMark& mark);

// The process that wrote a temporary file of a Child of this stem, read from its name alone;
// none when the name is not one (another stem, a Child, anything else).
std::optional<std::uint32_t> writerOfTemporary(const std::string& fileName, const std::string& stemName);

// The temporary files of Children of this stem (a path and the name's start, as a plan's) left
// by runs that no longer run, as paths; none when the folder cannot be read.
std::vector<std::string> leftoversOf(const std::string& stem);

// Whether a process of this id runs now; the system's own answer (see ProcessIds.cpp).
bool processRuns(std::uint32_t processId);
std::uint32_t thisProcessId();
