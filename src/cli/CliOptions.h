// The command line of morlando-split: what the user asked for, or why the line cannot be used.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "split/SpanRules.h"

// How the piece length is chosen: as the time cuts, the how-many cut or the LIKE template do; or
// where the recording says to cut: at its markers, a label list, a CUE sheet or its silences.
enum class LengthChoice { None, Time, Count, Like, Markers, Labels, Cue, Silence };

struct CliOptions {
    std::string motherPath;                // the one Mother being cut
    std::vector<std::string> motherPaths;  // every Mother of the line, in its order
    std::optional<std::string> into;       // --into: the folder of every Mother's Children
    std::uint32_t jobs = 1;                // --jobs: Mothers split at a time
    LengthChoice length = LengthChoice::None;
    bool windowRules = false;               // --window-rules: the window's margin, trim, units and headers
    TimeLength every;                       // --every in the Mother's own time
    std::uint32_t hundredths = 0;           // --every with --window-rules, in hundredths of a second
    std::uint32_t pieces = 0;               // --pieces
    std::string likePath;                   // --like
    bool carryLikeHeader = true;            // off with --default-header (window rules only)
    std::string marksPath;                  // --at-labels or --at-cue
    double silenceDb = -50.0;               // --silence-db, dBFS
    TimeLength silenceMin{false, 0, 1, 1};  // --silence-min, 1 s unless given
    TimeLength minPiece{true, 0, 0, 1};     // --min-piece, 0 frames unless given
    bool metadata = true;                   // off with --no-metadata
    std::int32_t from = 0;                  // --from; 0 when not given
    std::optional<std::string> name;
    std::uint32_t blockBytes = 0;  // --block; 0 when not given
    bool dryRun = false;
    bool resume = false;  // --resume: Children already whole under their names are kept
    bool sync = false;    // --sync: every Child on the disk before its rename
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// The most Mothers --jobs splits at a time: each holds its buffers and two open files.
inline constexpr std::uint32_t MOST_JOBS = 64;

// Either the options or the reason they cannot be used; the reason names the option.
struct ParsedOptions {
    std::optional<CliOptions> options;
    std::string problem;
};

// args are the words after the program's name. --help and --version win over anything else on
// the line, so that they answer even a line that is wrong otherwise.
ParsedOptions parseOptions(const std::vector<std::string>& args);

// A duration as people write one: "10s", "0.25s", "250ms", "10m", "1h", "1:30", "01:02:03.5" (any
// number of decimals), a bare number of seconds, or "480000f" frames; none when it is no such
// length, is 0, or does not fit 64 bits.
std::optional<TimeLength> parseDuration(const std::string& text);

// A length the time cuts can choose: a whole number of hundredths of a second, written in
// seconds with at most two decimals and an optional "s" ("10s", "0.25s", "1.5"); none otherwise.
std::optional<std::uint32_t> parseHundredths(const std::string& text);

// The stem the Children are named after: the name cut before the first "." of its last part, so
// that a dot in a folder name does not cut the folder off.
std::string stemOf(const std::string& name);
