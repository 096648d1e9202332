// The name a Child takes when its start carries one (a marker's label, a label's text, a track's
// title): STEM<N>-<title>.WAV, the title made fit for a Windows file name and cut to the room the
// system leaves for the whole path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// How long a path and each of its names may be, in the units the system counts them in.
struct NameLimits {
    std::size_t pathLength = 0;  // the whole path, without its terminating zero
    std::size_t nameLength = 0;  // one file or folder name
    bool utf16 = false;          // counted in UTF-16 units (Windows), or else in bytes
};

// Windows without long paths: 260 units with the terminating zero, 255 for one name.
inline constexpr NameLimits WINDOWS_NAME_LIMITS{259, 255, true};
// Linux: PATH_MAX of 4096 bytes with the terminating zero, NAME_MAX of 255.
inline constexpr NameLimits POSIX_NAME_LIMITS{4095, 255, false};

// Every character a Windows file name cannot hold (\ / : * ? " < > |, and the control characters
// 0 to 31 and 127) as "_"; every other byte, those of letters of any script among them, as it is.
std::string safeTitle(std::string_view title);

// The safe title as it fits stem + number + "-" + title + ".WAV" within the limits: cut at a
// character boundary, empty when not one character of it fits.
std::string fittedTitle(std::string_view stem, std::int32_t number, std::string_view title, const NameLimits& limits);

// stem + the number (when above 0) + "-" + the safe title + ".WAV", the title cut at a character
// boundary so that the whole path and its last name stay within the limits; without a title, or
// without room for one character of it, stem + number + ".WAV" as for an unnamed Child. The stem
// holds the folder, as given.
std::string titledChildName(std::string_view stem, std::int32_t number, std::string_view title,
                            const NameLimits& limits);
