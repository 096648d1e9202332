// The program's version, one definition for the Info dialog, the version resource of both
// programs and morlando-split --version. Plain #defines only: the resource compiler reads it too.
#pragma once

#define MORLANDO_VERSION_MAJOR 1
#define MORLANDO_VERSION_MINOR 0
#define MORLANDO_VERSION_PATCH 0
#define MORLANDO_VERSION "1.0"
