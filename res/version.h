// The program's version, defined once: the version resource, the Info dialog, the console
// splitter's --version and the build's project version all read it from here. Plain #defines,
// read by windres, by the C++ code and by CMake alike; the text and the numbers must agree.
#pragma once

#define MORLANDO_VERSION_MAJOR 1
#define MORLANDO_VERSION_MINOR 0
#define MORLANDO_VERSION_PATCH 0
#define MORLANDO_VERSION_TEXT "1.0"
