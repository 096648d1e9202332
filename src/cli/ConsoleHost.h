// What morlando-split asks of the system it runs on, apart from the standard library.
#pragma once

bool standardErrorIsTerminal();
