#include "Script.h"

#include <fstream>
#include <sstream>

namespace {

std::string lineError(int line, const std::string& what) { return "line " + std::to_string(line) + ": " + what; }

std::string expandVariables(const std::string& token, const Variables& variables, int line)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < token.size()) {
        const std::size_t open = token.find("${", pos);
        if (open == std::string::npos) {
            out += token.substr(pos);
            break;
        }
        const std::size_t close = token.find('}', open);
        if (close == std::string::npos) {
            throw ScriptError(lineError(line, "unterminated ${ in " + token));
        }
        const std::string name = token.substr(open + 2, close - open - 2);
        const auto found = variables.find(name);
        if (found == variables.end()) {
            throw ScriptError(lineError(line, "unknown variable ${" + name + "}"));
        }
        out += token.substr(pos, open - pos) + found->second;
        pos = close + 1;
    }
    return out;
}

std::vector<std::string> splitTokens(const std::string& text, int line)
{
    std::vector<std::string> tokens;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ' ' || text[pos] == '\t') {
            ++pos;
        } else if (text[pos] == '"') {
            const std::size_t close = text.find('"', pos + 1);
            if (close == std::string::npos) {
                throw ScriptError(lineError(line, "unterminated quote"));
            }
            tokens.push_back(text.substr(pos + 1, close - pos - 1));
            pos = close + 1;
        } else {
            const std::size_t end = text.find_first_of(" \t", pos);
            const std::size_t stop = end == std::string::npos ? text.size() : end;
            tokens.push_back(text.substr(pos, stop - pos));
            pos = stop;
        }
    }
    return tokens;
}

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::vector<Step> parseScript(const std::string& text, const Variables& variables)
{
    std::vector<Step> steps;
    std::istringstream lines(text);
    std::string raw;
    int lineNumber = 0;
    while (std::getline(lines, raw)) {
        ++lineNumber;
        const std::string source = trimmed(raw);
        if (source.empty() || source[0] == '#') {
            continue;
        }
        std::vector<std::string> tokens = splitTokens(source, lineNumber);
        Step step;
        step.line = lineNumber;
        step.source = source;
        step.verb = tokens.front();
        for (std::size_t i = 1; i < tokens.size(); ++i) {
            step.args.push_back(expandVariables(tokens[i], variables, lineNumber));
        }
        steps.push_back(step);
    }
    return steps;
}

std::vector<Step> loadScript(const std::string& path, const Variables& variables)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw ScriptError("cannot read scenario " + path);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parseScript(text.str(), variables);
}
