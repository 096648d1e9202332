// Where a Child is written until it is whole, and the leftovers of runs that were killed before
// they could remove theirs.
//
// A split writes its Children in a folder of its own beside them, named after their stem, its
// process and a random part: for the stem c, c.<process id>-<8 hex digits>.part. Child c3.WAV is
// written as c.<...>.part/c3.WAV, flushed and closed, then renamed to c3.WAV in one step (the
// same file system, so the rename cannot leave half a file). No player or later split takes the
// folder or what is in it for a Child, and the process id and the random part keep two runs, even
// of one program, apart. The folder is its own so that making each temporary file is cheap
// where a new name costs a read of the whole folder it goes in (Wine compares names without
// regard to case that way): only the rename looks a name up among the Children, once a Child,
// as a split without temporary files did.
//
// A run that is killed leaves its folder with at most one temporary file in it. A later split of
// the same stem into the same folder removes every such folder whose process is no longer
// running (or is the later split's own process, which has not made one yet); those of a run
// still going are left alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What tells a run's folder apart: its process and a random number.
struct RunMark {
    std::uint32_t processId = 0;
    std::uint32_t random = 0;
};

// A mark for this run: this process's id and a fresh random number.
RunMark markOfThisRun();

// "<stem>.<process id>-<random, 8 hex digits>.part".
std::string runFolderOf(const std::string& stem, const RunMark& mark);

// The Child's temporary file: its own file name in the run's folder.
std::string temporaryNameOf(const std::string& runFolder, const std::string& childPath);

// The process that made a run folder of this stem, read from its name alone; none when the name
// is not one (another stem, a Child, anything else).
std::optional<std::uint32_t> writerOfRunFolder(const std::string& fileName, const std::string& stemName);

// The run folders of this stem (a path and the name's start, as a plan's) left by runs that no
// longer run, as paths; none when the folder cannot be read.
std::vector<std::string> leftoversOf(const std::string& stem);

// Removes those folders and what they hold.
void removeLeftovers(const std::string& stem);

// Whether a process of this id runs now; the system's own answer (see ProcessIds.cpp).
bool processRuns(std::uint32_t processId);
std::uint32_t thisProcessId();
