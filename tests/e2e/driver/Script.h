// A scenario is a text file of steps, one a line: a verb and its arguments. Arguments are
// separated by blanks; an argument in double quotes is taken literally up to the next double
// quote (blanks included, no escapes, so Windows paths need no doubling). ${NAME} is replaced
// by a value given on the driver's command line. Blank lines and lines starting with # are
// skipped.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

struct Step {
    int line = 0;
    std::string source;  // the line as written, for the log
    std::string verb;
    std::vector<std::string> args;
};

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

using Variables = std::map<std::string, std::string>;

std::vector<Step> parseScript(const std::string& text, const Variables& variables);
std::vector<Step> loadScript(const std::string& path, const Variables& variables);
