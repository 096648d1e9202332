// What morlando-split asks of the system it runs on, apart from the standard library.
#pragma once

#include <string>

#include "core/FileIo.h"

bool standardErrorIsTerminal();

// The file that takes any bytes and keeps none.
const char* nullDeviceName();
