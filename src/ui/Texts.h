// Every caption, message and question the program shows, written once. Blanks, case and
// spelling are the program's own and differ on purpose from command to command.
#pragma once

namespace text {

// Refusals of the menu commands.
inline constexpr char NO_MOTHER_FILE[] = " no Mother file ";
inline constexpr char NO_MOTHER_FILE_UPPER[] = " no Mother FILE ";
inline constexpr char NO_LIKE_HEADER[] = " no LIKE Header ";
inline constexpr char NO_CHILDS[] = " no CHILDS ";
inline constexpr char WAVESHOW_TOO_BIG[] =
    " FILE  is  over >5.7MB  please select with WAVESHOW ( auto or ultrafast ) !!! ";
inline constexpr char NO_MOTHER_CENTI[] = " No MOTHER wave !";
inline constexpr char NO_MOTHER_TENTH[] = " no MOTHER wave selected !";
inline constexpr char NO_MOTHER_QUARTER[] = " no MOTHER wave !";
inline constexpr char NO_MOTHER_HALF[] = " no MOTHER wave selected  !";
inline constexpr char NO_MOTHER_SECONDS[] = " no MOTHER wave selected !";
inline constexpr char NO_MOTHER_COUNT[] = "  no MOTHER wave selected  !";
inline constexpr char NO_MOTHER_MARKS[] = " no MOTHER wave selected !";
inline constexpr char NO_MOTHER_EDIT[] = " no MOTHER wave selected !";

// File picker captions.
inline constexpr char PICK_MOTHER[] = "MOTHER-Wavfile-select:";
inline constexpr char PICK_CHILDREN[] = "CHILDREN->Names";
inline constexpr char PICK_TEMPLATE[] = "timelike Wavfile select:";
inline constexpr char EXT_WAV[] = "WAV";
inline constexpr char EXT_TXT[] = "TXT";
inline constexpr char PICK_LABELS[] = "LABELS-list-select:";
inline constexpr char PICK_CUE_SHEET[] = "CUE-sheet-select:";
inline constexpr char EXT_CUE[] = "CUE";
inline constexpr char PICK_CUT_LIST[] = "CUT-list-select:";
inline constexpr char SAVE_CUT_LIST[] = "CUT-list-save:";

// The cut editor: its prompt for a Child's name, the names it refuses, the list it cannot write,
// the reading of the Mother it opens with, and its line of text.
inline constexpr char ASK_CHILD_NAME[] = "CHILD name";
inline constexpr char CHILD_NAME_REFUSED[] = " CHILD name holds characters a file name cannot hold ";
inline constexpr char REFUSED_CHARACTERS_LABEL[] = "characters refused = ";
inline constexpr char CUT_LIST_NOT_WRITTEN[] = " CUT list cannot be written ";
inline constexpr char READING_MOTHER[] = " reading the MOTHER for the EDITOR ";
inline constexpr char EDITOR_CURSOR[] = "cursor ";
inline constexpr char EDITOR_SELECTED[] = "   cut ";
inline constexpr char EDITOR_CHILDREN[] = "   CHILDREN ";

// Mother load.
inline constexpr char DURATION_MINUTES[] = "duration minutes = ";
// More than one file given on the command line or dropped on the window.
inline constexpr char ONLY_ONE_MOTHER[] = " only one MOTHER Wavfile can be loaded ";

// Cut preview: the number of whole pieces.
inline constexpr char PIECE_COUNT[] = " Anzahl Teil-Dateien = ";

// Cuts where the recording says: the questions for silences, and the number of Children the
// marks give (Preview CUTs shows it too).
inline constexpr char ASK_SILENCE_DB[] = "silence below -dB *";
inline constexpr char ASK_SILENCE_MS[] = "silence at least ms *";
inline constexpr char MARKS_CHILDREN[] = "  CHILDREN at the marks  : ";
// Cuts on the clock: the question, and the box of minutes that do not divide a day.
inline constexpr char ASK_CLOCK_MINUTES[] = "CLOCK every minutes *";
inline constexpr char CLOCK_MINUTES_REFUSED[] = " minutes that do not divide a day  : ";

// Number prompt.
inline constexpr char PROMPT_CANCEL_CAPTION[] = " nothing selected by ";
inline constexpr char PROMPT_CANCEL_TEXT[] = " CANCEL ";

// Mother files the program cannot cut: the caption names the problem, the text gives the path
// and the numbers involved, one to a line.
inline constexpr char MOTHER_CANNOT_OPEN[] = " MOTHER Wavfile cannot be opened ";
inline constexpr char MOTHER_IS_FOLDER[] = " MOTHER Wavfile is a folder, not a file ";
inline constexpr char MOTHER_TOO_BIG[] = " MOTHER Wavfile is 4 GB or larger ";
inline constexpr char MOTHER_TOO_SHORT[] = " MOTHER Wavfile is shorter than its 44-byte header ";
inline constexpr char MOTHER_DATA_TOO_SMALL[] = " MOTHER data size is below 68 bytes ";
inline constexpr char MOTHER_DATA_BEYOND_FILE[] = " MOTHER data size is larger than the file ";
inline constexpr char FILE_BYTES_LABEL[] = "file bytes = ";
inline constexpr char BYTES_READ_LABEL[] = "header bytes read = ";
inline constexpr char DATA_SIZE_LABEL[] = "data size = ";
inline constexpr char MOTHER_NOT_RIFF_WAVE[] = " MOTHER Wavfile is not a RIFF WAVE file ";
inline constexpr char MOTHER_NO_DATA_CHUNK[] = " MOTHER Wavfile has no data chunk ";
inline constexpr char MOTHER_NO_FMT_CHUNK[] = " MOTHER Wavfile has no fmt chunk ";

// A Mother in another sample format still loads, after a box that says what it holds and what
// its Children get.
inline constexpr char MOTHER_OTHER_FORMAT[] = " MOTHER Wavfile is not 16-bit stereo 44100 Hz PCM ";
inline constexpr char FORMAT_TAG_LABEL[] = "format tag = ";
inline constexpr char CHANNELS_LABEL[] = "channels = ";
inline constexpr char BITS_LABEL[] = "bits per sample = ";
inline constexpr char RATE_LABEL[] = "samples per second = ";
// A Mother whose header was never finished (its data size 0, 0xFFFFFFFF or more than the file holds)
// loads with the bytes to the end of the file, after a box that gives both sizes.
inline constexpr char MOTHER_HEADER_UNFINISHED[] = " MOTHER header is unfinished: its data size is not the file's ";
inline constexpr char HEADER_DATA_SIZE_LABEL[] = "data size in the header = ";
inline constexpr char USED_DATA_SIZE_LABEL[] = "data size used = ";
inline constexpr char CHILDREN_KEEP_FORMAT[] =
    "lengths and cut times count this file's own time, in its whole frames; the CHILDREN keep this format (a LIKE "
    "wave gives its own header)";

// Cut by time: the question, the caption over the number of units, the caption over the number
// of whole pieces, for hundredths, tenths, quarters, halves and whole seconds.
inline constexpr char ASK_HUNDREDTHS[] = "0.01 sec =  * ";
inline constexpr char UNITS_HUNDREDTHS[] = " time selected  (0.01 sec):";
inline constexpr char PIECES_HUNDREDTHS[] = " wave-number around : ";
inline constexpr char ASK_TENTHS[] = "0.1 sec =  * ";
inline constexpr char UNITS_TENTHS[] = " One wave will have (0.1 sec):";
inline constexpr char PIECES_TENTHS[] = " wave-number will be around   : ";
inline constexpr char ASK_QUARTERS[] = " (0.25 sec ) =  * ";
inline constexpr char UNITS_QUARTERS[] = " wave time (0.25 sec):";
inline constexpr char PIECES_QUARTERS[] = " wave-number will be around: ";
inline constexpr char ASK_HALVES[] = " (0.5 sec ) =  * ";
inline constexpr char UNITS_HALVES[] = " wave time (0.5 sec):";
inline constexpr char PIECES_HALVES[] = " wave-number will be around : ";
inline constexpr char ASK_SECONDS[] = " (sec) =  * ";
inline constexpr char UNITS_SECONDS[] = " selected (sec):";
inline constexpr char PIECES_SECONDS[] = "  wave-number will be around  : ";

// A piece of that many units would not fit a 32-bit length; the text gives the largest number.
inline constexpr char TIME_TOO_LONG[] = " number too big: piece would be 4 GB or more ";
inline constexpr char LARGEST_ACCEPTED_LABEL[] = "largest number = ";

// Cut into a wanted number of pieces.
inline constexpr char ASK_PIECE_COUNT[] = "How many You want get ?  =  * ";
inline constexpr char ROUNDED_OFF[] = "Vraw - posist  = ";

// Start pattern and copy block size. The buffer question carries the current size in place of %d.
inline constexpr char ASK_START_PATTERN[] = "start from Pattern ?  =  * ";
inline constexpr char START_PATTERN_IS[] = " from Pattern = ";
inline constexpr char ASK_BUFFER_SIZE[] = " Buffer = %d  , new Size = * ";
inline constexpr char BUFFER_SIZE_IS[] = " BUFFER  = ";

// Template files whose header cannot be taken: the caption names the problem, the text gives the path.
inline constexpr char LIKE_CANNOT_OPEN[] = " LIKE Wavfile cannot be opened ";
inline constexpr char LIKE_TOO_SHORT[] = " LIKE Wavfile is shorter than its 44-byte header ";
inline constexpr char LIKE_NOT_RIFF_WAVE[] = " LIKE Wavfile is not a RIFF WAVE file ";
inline constexpr char LIKE_NO_DATA_CHUNK[] = " LIKE Wavfile has no data chunk ";
inline constexpr char LIKE_NO_FMT_CHUNK[] = " LIKE Wavfile has no fmt chunk ";

// The split dialogs: "SPLIT to Children" (ALLSPLIT) and "NEWSPLIT" (SPLIT TO CHILDREN) swap the
// two percentage formats and differ in the caption of the elapsed time.
inline constexpr char PERCENT_SUM[] = "sum = % 3.u %% @";
inline constexpr char PERCENT_GESAMMT[] = "Gesammt = % 3.u %% @";
inline constexpr char TIME_ALLSPLIT[] = " Verarbeitungsdauer = ";
inline constexpr char TIME_NEWSPLIT[] = " time for job = ";

// A split that cannot start or cannot go on: the caption names the problem, the text the file(s)
// and the cause, one to a line.
inline constexpr char NO_PIECE_LENGTH[] = " no piece length chosen: cut by time, by number or LIKE a wave first ";
inline constexpr char MOTHER_CHANGED[] = " MOTHER Wavfile has changed since it was loaded ";
inline constexpr char LOAD_AGAIN[] = "load the MOTHER again";
inline constexpr char CHILD_IS_MOTHER[] = " CHILD name is the MOTHER Wavfile ";
inline constexpr char CHILD_MAY_BE_MOTHER[] = " CHILD cannot be told apart from the MOTHER Wavfile ";
inline constexpr char CHILD_CANNOT_CREATE[] = " CHILD Wavfile cannot be created ";
inline constexpr char CHILD_CANNOT_WRITE[] = " CHILD Wavfile cannot be written ";
inline constexpr char MOTHER_ENDED_EARLY[] = " MOTHER Wavfile ended before the CHILD was complete ";
inline constexpr char MOTHER_UNCHANGED[] = "split stopped, the MOTHER is unchanged";
inline constexpr char CHILD_REMOVED[] = "split stopped, the incomplete CHILD was removed";
inline constexpr char CHILD_NOT_REMOVED[] = "split stopped, the incomplete CHILD could not be removed: delete it";
inline constexpr char CHILD_WRITE_CAUSE_UNKNOWN[] = "the disk may be full or the folder not writable";
inline constexpr char CHILD_BYTES_LABEL[] = "bytes the CHILD should have = ";
inline constexpr char BYTES_ASKED_LABEL[] = "bytes asked = ";
inline constexpr char BYTES_GOT_LABEL[] = "bytes read = ";

// Settings file: its pickers and boxes. The load offers each stored value in its own picker.
inline constexpr char SETTINGS_DEFAULT_NAME[] = "SETTINGS.TXT";
inline constexpr char PICK_SETTINGS_LOAD[] = "LOAD FILE & PATH Settings:";
inline constexpr char PICK_SETTINGS_SAVE[] = "SAVE FILE & PATH Settings as=";
inline constexpr char SETTINGS_CHECK[] = "Please check PATH+FILE  : ";
inline constexpr char SETTINGS_SAVE_PATH[] = " PATH and NAME  : ";
inline constexpr char PICK_SETTINGS_MOTHER[] = "select MOTHER-Wave:";
inline constexpr char PICK_SETTINGS_TEMPLATE[] = "WAVE file of with wished time:";

// Settings files the program cannot use: the caption names the problem, the text the file and
// the numbers involved, one to a line.
inline constexpr char SETTINGS_CANNOT_OPEN[] = " SETTINGS file cannot be opened ";
inline constexpr char SETTINGS_CANNOT_READ[] = " SETTINGS file cannot be read ";
inline constexpr char SETTINGS_TOO_BIG[] = " SETTINGS file is larger than 64 KB: nothing loaded ";
inline constexpr char SETTINGS_TOO_LONG[] = " SETTINGS do not fit in 1024 bytes: nothing saved ";
inline constexpr char SETTINGS_PATH_TOO_LONG[] = " SETTINGS path is longer than 255 bytes: nothing saved ";
inline constexpr char SETTINGS_CANNOT_WRITE[] = " SETTINGS file cannot be written: nothing saved ";
inline constexpr char BYTES_NEEDED_LABEL[] = "bytes needed = ";

// Header reports: the pickers of the list file (asked once a run) and of the wave reported on.
inline constexpr char PICK_LIST_FOR_VALUES[] = " select TEXTfile for LIST :";
inline constexpr char PICK_LIST_FOR_BYTES[] = " select TEXTFILE for 44 HEADER :";
inline constexpr char PICK_REPORT_WAV_VALUES[] = "Wavfile select :";
inline constexpr char PICK_REPORT_WAV_BYTES[] = "Wavfile select:";

// Reports that cannot be made: the caption names the problem, the text the file; nothing is appended.
inline constexpr char REPORT_WAV_CANNOT_OPEN[] = " Wavfile cannot be opened: nothing listed ";
inline constexpr char REPORT_WAV_TOO_SHORT[] = " Wavfile is shorter than its 44-byte header: nothing listed ";
inline constexpr char LIST_CANNOT_OPEN[] = " LIST file cannot be opened for appending ";
inline constexpr char LIST_CANNOT_WRITE[] = " LIST file cannot be written: the report may be incomplete ";

// Sound in the editor: nothing can be played, and the cause, the system's own where it gives one.
inline constexpr char NOTHING_PLAYED[] = " nothing can be PLAYED ";
inline constexpr char NO_CUT_SELECTED[] = " no CUT selected ";

}  // namespace text
