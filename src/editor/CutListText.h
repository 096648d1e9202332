// The editor's list of cuts as a label list: one line a Child, START, a tab, END, a tab and its
// name (empty for none), the times in seconds with six decimals and a point, lines ended by CR
// LF. Each time is the frame's nearest microsecond, so that the label list's reading, which takes
// the nearest frame, gives every frame back up to 500 000 frames a second.
#pragma once

#include <cstdint>
#include <string>

#include "editor/EditorCuts.h"

// The frame's time in seconds: whole seconds, a point and six decimals, the nearest (half up).
std::string secondsText(std::uint64_t frame, std::uint32_t sampleRate);

std::string cutListText(const EditorCuts& cuts, std::uint32_t sampleRate);
