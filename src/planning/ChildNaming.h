// The names of the Children: the stem the user picked, a running number and ".WAV".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/AppState.h"

inline constexpr char CHILD_EXTENSION[] = "WAV";

// stem + number (only when above 0, no sign, no leading zeros) + "." + the first three
// characters of the extension.
void composeChildName(std::string& destination, std::string_view stem, std::int32_t number, std::string_view extension,
                      std::uint32_t digits = 0);

// Builds the next Child's full file name into childBaseName and advances childNumber.
void nextChildName(AppState& state);
