// The command line of morlando-split: what the user asked for, or why the line cannot be used.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/CutRequest.h"

struct CliOptions {
    std::string motherPath;                // the one Mother being cut
    std::vector<std::string> motherPaths;  // every Mother of the line, in its order
    std::optional<std::string> into;       // --into: the folder of every Mother's Children
    std::uint32_t jobs = 1;                // --jobs: Mothers split at a time
    // How to cut, as the options say it; the stem is each Mother's own, set when it is cut.
    CutRequest cut;
    std::optional<std::string> name;  // --name: the path and stem of the Children
    bool dryRun = false;
    std::optional<std::string> listPath;  // --list: the list of the Children, CSV or JSON
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
