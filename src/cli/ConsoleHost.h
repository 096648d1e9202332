// What morlando-split asks of the system it runs on, apart from the standard library.
#pragma once

#include "writing/SplitStopRequest.h"

bool standardErrorIsTerminal();

// While standard output or standard error is a console, its output code page is UTF-8 and is put
// back as it was when the program ends, so that names in any script show as they are written; a
// pipe or a file gets the same UTF-8 bytes, untouched. Nothing to do on POSIX, where a terminal
// takes the bytes as they come.
void writeUtf8ToConsole();

// From now on a stop from outside becomes a request to the split rather than an end on the spot:
// SIGINT, SIGTERM and SIGHUP on POSIX (asking for 130, 143 and 129), Ctrl+C, Ctrl+Break and the
// console window closing on Windows (asking for 130). A second stop during the clean-up only
// asks again.
void catchStops(SplitStopRequest& request);

// The end of a run that was asked to stop, once everything is cleaned up and said: the program
// exits with 128 plus the signal's number (130 for the Windows events), the status a caller of
// any kind reads the same way; on Windows a closing console is let go on. Returns that status.
int endStopped(int status);
