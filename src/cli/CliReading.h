// The Mother and the template as morlando-split reads them, under either rules: a file that cannot
// be read is told on standard error with its cause.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/CliRun.h"
#include "wav/MotherFacts.h"
#include "wav/TemplateWav.h"

// A line of a message that gives one number under its label; it starts with its line break.
std::string numberLine(const char* label, std::uint64_t value);

// The Mother's first look, its stream closed; none after saying why it cannot be opened.
std::optional<MotherFacts> examineMotherOrSay(const std::string& path, const CliConsole& console);

// The warning that the header's data size is not the file's, when its header was never finished.
void sayIfUnfinished(const std::string& path, const DataExtent& extent, const CliConsole& console);

// The template as "Take SIZE from =" reads it; none after saying why it cannot be used, or that
// its data chunk is empty.
std::optional<TemplateWav> readTemplateOrSay(const std::string& path, const CliConsole& console);
