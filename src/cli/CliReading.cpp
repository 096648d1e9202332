#include "cli/CliReading.h"

#include <cstdio>
#include <cstring>

#include "cli/CliTexts.h"
#include "cli/ConsoleMessage.h"
#include "cut/TemplateRefusal.h"
#include "split/MotherRefusal.h"

std::string numberLine(const char* label, std::uint64_t value)
{
    std::string line = "\n";
    line += label;
    line += std::to_string(value);
    return line;
}

std::optional<MotherFacts> examineMotherOrSay(const std::string& path, const CliConsole& console)
{
    int cause = 0;
    std::optional<MotherFacts> facts = examineMother(path, cause);
    if (!facts) {
        const MotherRefusal refusal = motherCannotOpen();
        console.err << consoleMessage(refusal.caption,
                                      path + (cause != 0 ? std::string("\n") + std::strerror(cause) : std::string()));
        return std::nullopt;
    }
    std::fclose(facts->stream);
    facts->stream = nullptr;
    return facts;
}

std::optional<TemplateWav> readTemplateOrSay(const std::string& path, const CliConsole& console)
{
    const TemplateWav read = readTemplateWav(path);
    const TemplateRefusal refusal = templateRefusalOf(path, read);
    if (refusal.caption != nullptr) {
        const bool withCause = read.problem == TemplateProblem::CannotOpen && read.openError != 0;
        console.err << consoleMessage(
            refusal.caption,
            refusal.text + (withCause ? std::string("\n") + std::strerror(read.openError) : std::string()));
        return std::nullopt;
    }
    if (read.pieceBytes == 0) {
        console.err << consoleMessage(clitext::LIKE_NO_DATA, path + numberLine(clitext::DATA_SIZE_LABEL, 0));
        return std::nullopt;
    }
    return read;
}

void sayIfUnfinished(const std::string& path, const DataExtent& extent, const CliConsole& console)
{
    if (extent.unfinished) {
        console.err << consoleMessage(clitext::UNFINISHED_HEADER,
                                      path + numberLine(clitext::HEADER_SIZE_LABEL, extent.headerDataSize) +
                                          numberLine(clitext::USED_SIZE_LABEL, extent.usedDataSize) + "\n" +
                                          clitext::UNFINISHED_GOES_ON);
    }
}
