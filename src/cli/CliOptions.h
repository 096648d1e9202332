// The command line of morlando-split: what the user asked for, or why the line cannot be used.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How the piece length is chosen: as the time cuts, the how-many cut or the LIKE template do.
enum class LengthChoice { None, Time, Count, Like };

struct CliOptions {
    std::string motherPath;
    LengthChoice length = LengthChoice::None;
    std::uint32_t hundredths = 0;  // --every, in hundredths of a second
    std::uint32_t pieces = 0;      // --pieces
    std::string likePath;          // --like
    bool carryLikeHeader = true;   // off with --default-header
    std::int32_t from = 0;         // --from; 0 when not given
    std::optional<std::string> name;
    std::uint32_t blockBytes = 0;  // --block; 0 when not given
    bool dryRun = false;
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// Either the options or the reason they cannot be used; the reason names the option.
struct ParsedOptions {
    std::optional<CliOptions> options;
    std::string problem;
};

// args are the words after the program's name. --help and --version win over anything else on
// the line, so that they answer even a line that is wrong otherwise.
ParsedOptions parseOptions(const std::vector<std::string>& args);

// A length the time cuts can choose: a whole number of hundredths of a second, written in
// seconds with at most two decimals and an optional "s" ("10s", "0.25s", "1.5"); none otherwise.
std::optional<std::uint32_t> parseHundredths(const std::string& text);

// The stem the Children are named after: the name cut before the first "." of its last part, so
// that a dot in a folder name does not cut the folder off.
std::string stemOf(const std::string& name);
