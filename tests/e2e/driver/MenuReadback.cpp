#include "MenuReadback.h"

#include "HookRequest.h"
#include "Log.h"
#include "WindowQuery.h"
#include "menuhook/MenuDumpProtocol.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace {

std::vector<std::string> readLines(const std::string& path, bool skipComments)
{
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (skipComments && (line.empty() || line[0] == '#')) {
            continue;
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::string dumpMenuBar(const std::string& hookDll, HWND window, const std::string& dumpPath)
{
    DeleteFileA(dumpPath.c_str());
    std::string problem = runHookRequest(hookDll, MENU_DUMP_HOOK_EXPORT, MENU_DUMP_MESSAGE, window, dumpPath);
    if (problem.empty() && GetFileAttributesA(dumpPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        problem = "the hook wrote no menu dump to " + dumpPath;
    }
    return problem;
}

std::string compareMenuDump(const std::string& dumpPath, const std::string& expectedPath)
{
    const std::vector<std::string> actual = readLines(dumpPath, false);
    const std::vector<std::string> expected = readLines(expectedPath, true);
    if (expected.empty()) {
        return "the expected menu table " + expectedPath + " is empty or missing";
    }
    const std::size_t common = std::min(actual.size(), expected.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (actual[i] != expected[i]) {
            return "menu line " + std::to_string(i + 1) + ": expected " + quoted(expected[i]) + ", read back " +
                   quoted(actual[i]);
        }
    }
    if (actual.size() != expected.size()) {
        return "menu has " + std::to_string(actual.size()) + " lines, expected " + std::to_string(expected.size()) +
               "; first extra or missing line: " + quoted(actual.size() > common ? actual[common] : expected[common]);
    }
    return {};
}
