// The texts morlando-split prints of its own for a Mother on standard input.
#pragma once

namespace streamtext {

inline constexpr char STREAM[] = "-";

// Command lines a stream cannot serve, each with why.
inline constexpr char NEEDS_NAME[] = "-: give --name PATH/STEM (a stream has no file name to name the Children after)";
inline constexpr char ONLY_MOTHER[] = "-: the only MOTHER of the line (standard input is read once)";
inline constexpr char NO_DRY_RUN[] = "--dry-run: not with - (a stream is read once, by the split itself)";
inline constexpr char NO_PIECES[] = "--pieces: not with - (how many frames a stream holds is known only at its end)";
inline constexpr char NO_DIGITS_AUTO[] =
    "--digits auto: not with - (a stream has no last number to take the width of); give --digits N";
inline constexpr char NO_MARKERS[] = "--at-markers: not with - (a stream's markers follow its samples)";
inline constexpr char NO_WINDOW_RULES[] =
    "--window-rules: not with - (the window's rules keep the last 68 bytes, known only at the stream's end)";

inline constexpr char NO_WHOLE_FRAME[] = "MOTHER stream holds no whole frame";
inline constexpr char ENDED_IN_FRAME[] = "warning: the stream ended inside a frame";
inline constexpr char TAIL_LABEL[] = "bytes after the last whole frame = ";
inline constexpr char TAIL_NOT_WRITTEN[] = "those bytes are not written";
inline constexpr char ENDED_EARLY[] = "warning: the stream ended before the header's data size";
inline constexpr char NOT_READ_WHOLE[] = "MOTHER stream could not be read to its end";
inline constexpr char FRAMES_KEPT[] = "every whole frame read is in the CHILDREN";
inline constexpr char FRAMES_LABEL[] = "frames received = ";
inline constexpr char STOPPED[] = " stream stopped from outside ";
inline constexpr char KEPT_AS_RECEIVED[] = "the CHILD being written was finished with the frames received";
inline constexpr char LOST_FROM_LABEL[] = "the rest of the stream is lost from frame ";

}  // namespace streamtext
