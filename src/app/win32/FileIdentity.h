// Whether two names lead to one file on Windows. The names the user picked are in the ANSI code
// page, as the runtime opens them, so the system is asked by those same names.
#pragma once

#include <string>

#include "core/FileIo.h"

Sameness sameFileOnWindows(const std::string& a, const std::string& b);
