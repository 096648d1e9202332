// The list of the Children a run wrote (or, in a dry run, planned), for the script that takes
// them on: one row a Child in plan order, as CSV or as JSON, written whole under a temporary
// name and renamed, so that a list under its name is never half of one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "planning/SplitPlan.h"

struct ListedChild {
    std::string mother;  // the Mother's path, listed only when several Mothers are
    std::string file;    // the Child's path as written
    std::int32_t number = 0;
    std::uint64_t firstFrame = 0;  // in the Mother's frames
    std::uint64_t frames = 0;
    std::uint32_t rate = 0;  // the Mother's frames a second, for the two times
    std::uint64_t bytes = 0;
    std::string title;
    // When the start on the clock is known: the Child's own start, ISO 8601, in UTC and in the zone.
    std::string startUtc;
    std::string startLocal;

    friend bool operator==(const ListedChild&, const ListedChild&) = default;
};

// The first `count` Children of the plan as rows. Under the window's rules a frame is the
// Mother's block align (4 bytes of 16-bit stereo where the format was not read), at its rate.
std::vector<ListedChild> listedChildren(const SplitPlan& plan, std::size_t count);

// What a list says of a run that did not end with every Child: none when it did.
using ListEnd = std::optional<std::string>;

// The list as it is written: JSON (an array of objects) when the file's name ends in ".json",
// otherwise CSV with a header row (RFC 4180 quoting, CRLF line ends). With several Mothers each
// row names its Mother first; start_utc and start_local follow when the rows have them. A run that stopped ends with one row (CSV: every field empty but
// "title") or one object (JSON: its one key "stopped") saying why.
std::string childListText(const std::string& fileName, const std::vector<ListedChild>& rows, bool severalMothers,
                          const ListEnd& end);

// Writes the text under a temporary name beside the list's, then renames it to the list's own
// name; false, with errno, when either step failed (then no temporary file is left).
bool writeChildList(const std::string& path, const std::string& text);
