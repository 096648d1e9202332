#include "cli/ConsoleHost.h"

#include <io.h>

#include <cstdio>

#include "app/win32/FileIdentity.h"

bool standardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

// The same check as the window's: by volume and file index, through the names as the runtime opens them.
Sameness sameFileOnThisSystem(const std::string& a, const std::string& b) { return sameFileOnWindows(a, b); }

const char* nullDeviceName() { return "NUL"; }
