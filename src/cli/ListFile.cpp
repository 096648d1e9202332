#include "cli/ListFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

#include "cli/CliTexts.h"
#include "cli/ConsoleMessage.h"
#include "writing/ChildList.h"

int withList(const CliOptions& options, const CliConsole& console, const std::vector<const MotherTally*>& tallies,
             int status)
{
    if (!options.listPath) {
        return status;
    }
    std::vector<ListedChild> rows;
    ListEnd end;
    for (const MotherTally* tally : tallies) {
        rows.insert(rows.end(), tally->listed.begin(), tally->listed.end());
        if (tally->stop == SplitStop::Stopped) {
            end = clitext::LIST_STOPPED;
        } else if (tally->stop != SplitStop::None && !end && !tally->listed.empty()) {
            end = clitext::LIST_FAILED + tally->listed.front().mother + " after them are not";
        }
    }
    errno = 0;
    if (!writeChildList(*options.listPath, childListText(*options.listPath, rows, tallies.size() > 1, end))) {
        const int cause = errno;
        std::string text = *options.listPath;  // appended: GCC 12 warns falsely of "literal" + std::string
        if (cause != 0) {
            text += '\n';
            text += std::strerror(cause);
        }
        console.err << consoleMessage(clitext::LIST_CANNOT_WRITE, text);
        return std::max(status, EXIT_REFUSED);
    }
    return status;
}

