// How to cut a Mother, as one value both front ends build: the window from its menus and its
// record, the command line from its options. What it comes to for a given Mother is decided by
// the split's planning (planCut), never by the front end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/AudioFormat.h"

// A length as a user writes one: a count of frames, or seconds as a fraction (1.5 s is 15/10).
struct TimeLength {
    bool inFrames = false;
    std::uint64_t frames = 0;
    std::uint64_t numerator = 0;
    std::uint64_t denominator = 1;
    friend bool operator==(const TimeLength&, const TimeLength&) = default;
};

// How the pieces are chosen: by a length, a count or a template's time; where the recording says
// (its markers, a label list, a CUE sheet, its silences); or, under the window's rules only, as a
// piece of bytes the window's commands already set; or at frames given one by one (the editor's).
enum class CutRule { None, Time, Count, Like, Markers, Labels, Cue, Silence, Bytes, Frames };

// A cut given by its frame of the Mother, and the name of the piece that starts there (a cut at
// frame 0 only names the first piece).
struct FrameCut {
    std::uint64_t frame = 0;
    std::string name;
    friend bool operator==(const FrameCut&, const FrameCut&) = default;
};

inline constexpr std::int32_t DIGITS_OF_LAST_NUMBER = -1;
// Every number of a Child (a 32-bit one) fits in this many digits.
inline constexpr std::int32_t MOST_DIGITS = 10;

// The width a Child's number is padded to, of a plan whose last number is `lastNumber`: the
// digits asked, that number's own for DIGITS_OF_LAST_NUMBER, 0 (the number as it is) for none.
inline std::uint32_t paddedWidth(std::int32_t digits, std::int32_t lastNumber)
{
    if (digits != DIGITS_OF_LAST_NUMBER) {
        return digits > 0 ? static_cast<std::uint32_t>(digits) : 0;
    }
    return static_cast<std::uint32_t>(std::to_string(lastNumber).size());
}

struct CutRequest {
    CutRule rule = CutRule::None;
    // The window's margin, trim, units and 44-byte headers, rather than the Mother's own time.
    bool windowRules = false;
    TimeLength every;                       // Time, in the Mother's own time
    std::uint32_t hundredths = 0;           // Time under the window's rules, in hundredths of a second
    std::uint32_t pieces = 0;               // Count
    std::string likePath;                   // Like: the template
    bool carryLikeHeader = true;            // Like under the window's rules: off for the default fields
    std::string marksPath;                  // Labels or Cue: the label list or the CUE sheet
    double silenceDb = -50.0;               // Silence: the level, in dBFS, below which it is silence
    TimeLength silenceMin{false, 0, 1, 1};  // Silence: the shortest silence that cuts, 1 s unless given
    TimeLength minPiece{true, 0, 0, 1};     // Silence: the shortest piece kept apart, 0 frames unless given
    std::vector<FrameCut> frameCuts;        // Frames: the cuts, in any order
    // Bytes: the piece as the window's commands left it, how they set it, and the header a
    // template cut carries.
    std::uint32_t pieceBytes = 0;
    CutMode pieceMode = CutMode::None;
    HeaderBytes templateHeader{};
    bool metadata = true;          // the Mother's bext, iXML and markers carried into its own-time Children
    std::int32_t from = 0;         // above 0: the first piece written, and its number
    std::int32_t firstNumber = 1;  // otherwise the first Child's number; the next ones count on from it
    std::string stem;              // the Children are named stem, number, ".WAV"
    // The number in each name padded with zeros to so many digits, so that names sort as the
    // Children follow; 0 leaves it as it is, DIGITS_OF_LAST_NUMBER pads to the last number's width.
    std::int32_t digits = 0;
    std::uint32_t blockBytes = 0;  // the copy block; 0 for the default one
};
