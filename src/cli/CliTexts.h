// The texts morlando-split prints of its own; the boxes of the split and the Mother load keep the
// window's texts.
#pragma once

namespace clitext {

inline constexpr char PROGRAM_PREFIX[] = "morlando-split: ";
inline constexpr char USAGE[] =
    "usage: morlando-split [OPTIONS] MOTHER.wav...   (morlando-split --help lists the options)\n";

inline constexpr char NOT_BEGUN[] = "not begun: the split was stopped from outside";
inline constexpr char STEM_TAKEN[] = "the Children's names are taken by an earlier MOTHER of this command";
inline constexpr char STEM_TAKEN_WHY[] =
    "in one folder, a stem equal to another, or another followed by digits, gives Children of the same names";
inline constexpr char MOTHERS_SUMMARY[] = " MOTHER Wavfiles:";
inline constexpr char STOPPED[] = " split stopped from outside ";
inline constexpr char COMPLETE_LABEL[] = "complete CHILDREN = ";
inline constexpr char NOTHING_LEFT[] = "no incomplete CHILD is left";
inline constexpr char NOT_REMOVED[] =
    "the incomplete CHILD's temporary file could not be removed: delete its .part folder";
inline constexpr char LIST_CANNOT_WRITE[] = " LIST file cannot be written ";
inline constexpr char LIST_STOPPED[] = "stopped from outside: the Children listed are complete";
inline constexpr char LIST_FAILED[] = "stopped at a failure: the Children listed are complete, those of ";
// Around the Mother's path (or "standard input"): a rule on the clock without a start.
inline constexpr char NO_START_BEFORE[] = "--start: none given, and ";
inline constexpr char NO_START_AFTER[] =
    " has no bext date and time to start from (--align and --time-name count from one)";
inline constexpr char LEFTOVER[] = "  leftover of a stopped run: the split removes it";

}  // namespace clitext
