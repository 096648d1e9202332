// The texts morlando-split prints of its own; the boxes of the split and the Mother load keep the
// window's texts.
#pragma once

namespace clitext {

inline constexpr char PROGRAM_PREFIX[] = "morlando-split: ";
inline constexpr char USAGE[] =
    "usage: morlando-split [OPTIONS] MOTHER.wav   (morlando-split --help lists the options)\n";
inline constexpr char TOO_MANY_PIECES[] = " more pieces than the MOTHER has frames ";
inline constexpr char FRAMES_LABEL[] = "frames = ";
inline constexpr char LIKE_NO_DATA[] = " LIKE Wavfile gives no piece length ";
inline constexpr char DATA_SIZE_LABEL[] = "data size = ";  // as the window's boxes label it
inline constexpr char STOPPED[] = " split stopped from outside ";
inline constexpr char COMPLETE_LABEL[] = "complete CHILDREN = ";
inline constexpr char NOTHING_LEFT[] = "no incomplete CHILD is left";
inline constexpr char NOT_REMOVED[] =
    "the incomplete CHILD's temporary file could not be removed: delete its .part folder";
inline constexpr char LEFTOVER[] = "  leftover of a stopped run: the split removes it";

}  // namespace clitext
