// What morlando-split asks of the system it runs on, apart from the standard library.
#pragma once

#include <string>

#include "core/FileIo.h"

bool standardErrorIsTerminal();

// Whether two names lead to one file, asked the way the system's own file names work.
Sameness sameFileOnThisSystem(const std::string& a, const std::string& b);

// The file that takes any bytes and keeps none.
const char* nullDeviceName();
