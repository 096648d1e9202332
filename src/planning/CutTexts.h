// The texts with which the planning of a cut refuses a Mother, a template or a file of marks, or
// warns of what it found; the front ends show them as they are.
#pragma once

namespace cuttext {

inline constexpr char TOO_MANY_PIECES[] = " more pieces than the MOTHER has frames ";
inline constexpr char FRAMES_LABEL[] = "frames = ";
inline constexpr char LIKE_NO_DATA[] = " LIKE Wavfile gives no piece length ";
inline constexpr char DATA_SIZE_LABEL[] = "data size = ";  // as the window's boxes label it
inline constexpr char FORMAT_REFUSED[] = "MOTHER samples are in a format the split cannot cut";
inline constexpr char FORMAT_WANTED[] =
    "wanted: PCM of 8, 16, 24 or 32 bits or IEEE float of 32 or 64 bits, with a block align that holds every "
    "channel's sample";
inline constexpr char FORMAT_TAG_LABEL[] = "format tag = ";
inline constexpr char SUB_FORMAT_TAG_LABEL[] = "sub-format tag = ";
inline constexpr char CHANNELS_LABEL[] = "channels = ";
inline constexpr char BITS_LABEL[] = "bits per sample = ";
inline constexpr char RATE_LABEL[] = "samples per second = ";
inline constexpr char BLOCK_ALIGN_LABEL[] = "block align = ";
inline constexpr char NO_WHOLE_FRAME[] = "MOTHER Wavfile holds no whole frame";
inline constexpr char UNFINISHED_HEADER[] = "warning: the header's data size is not the file's";
inline constexpr char HEADER_SIZE_LABEL[] = "data size in the header = ";
inline constexpr char USED_SIZE_LABEL[] = "data size used = ";
inline constexpr char UNFINISHED_GOES_ON[] = "the samples are the bytes to the end of the file, in whole frames";
inline constexpr char PIECE_UNDER_A_FRAME[] = "the piece is shorter than one frame of the MOTHER";
inline constexpr char PIECE_TOO_LONG[] = "the piece is longer than 64 bits can count in frames";

inline constexpr char MARKS_FILE_UNREADABLE[] = "the file of marks cannot be read";
inline constexpr char MARKS_FILE_REFUSED[] = "cannot cut where this file says";
inline constexpr char MOTHER_NOT_READ_WHOLE[] = "MOTHER Wavfile could not be read to its end";
// A Mother on standard input, where a message names the Mother's file.
inline constexpr char STREAM_NAME[] = "standard input";
// The wall clock: no start where a rule needs one (the window's box, blanks as they stand), a zone
// that cannot be had, and a start taken from the bext's OriginationTime.
inline constexpr char NO_START[] = " no start time in the MOTHER ";
inline constexpr char ZONE_REFUSED[] = "the time zone cannot be had";
inline constexpr char ALIGN_REFUSED[] = "--align: the length must be a time that divides 24 hours";
inline constexpr char START_FROM_ORIGINATION_TIME[] = "warning: the start is the bext's OriginationTime";
inline constexpr char NO_SILENCE[] = "no silence found: the MOTHER stays one Child\n";

}  // namespace cuttext
