#include "cli/ConsoleHost.h"

#include <io.h>

#include <cstdio>

bool standardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }
