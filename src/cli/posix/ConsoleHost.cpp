#include "cli/ConsoleHost.h"

#include <unistd.h>

bool standardErrorIsTerminal() { return isatty(STDERR_FILENO) != 0; }

Sameness sameFileOnThisSystem(const std::string& a, const std::string& b) { return compareFiles(a, b); }

const char* nullDeviceName() { return "/dev/null"; }
