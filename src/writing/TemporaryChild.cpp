#include "writing/TemporaryChild.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <system_error>

#include "core/FileIo.h"
#include "writing/SplitFiles.h"

namespace {

constexpr char SUFFIX[] = ".part";
constexpr std::size_t RANDOM_DIGITS = 8;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f'); }

// Digits from `at` on, as a number; `at` moves past them. None without a digit or beyond 32 bits.
std::optional<std::uint32_t> numberAt(const std::string& text, std::size_t& at)
{
    std::uint64_t value = 0;
    const std::size_t first = at;
    for (; at < text.size() && isDigit(text[at]) && at - first < 10; ++at) {
        value = value * 10 + static_cast<std::uint64_t>(text[at] - '0');
    }
    if (at == first || value > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

RunMark markOfThisRun()
{
    std::random_device random;
    return {thisProcessId(), static_cast<std::uint32_t>(random())};
}

std::string runFolderOf(const std::string& stem, const RunMark& mark)
{
    char tail[32] = {};
    std::snprintf(tail, sizeof tail, ".%lu-%08lx%s", static_cast<unsigned long>(mark.processId),
                  static_cast<unsigned long>(mark.random), SUFFIX);
    return stem + tail;
}

// The run folder beside the Child, with the separator the Child's path uses.
std::string temporaryNameOf(const std::string& runFolder, const std::string& childPath)
{
    const std::size_t cut = childPath.find_last_of("/\\");
    const char separator = cut == std::string::npos ? '/' : childPath[cut];
    return runFolder + separator + childPath.substr(cut == std::string::npos ? 0 : cut + 1);
}

// stem, ".", the process id, "-", eight hex digits, ".part", and nothing more.
std::optional<std::uint32_t> writerOfRunFolder(const std::string& fileName, const std::string& stemName)
{
    if (fileName.compare(0, stemName.size(), stemName) != 0 || fileName.size() <= stemName.size() ||
        fileName[stemName.size()] != '.') {
        return std::nullopt;
    }
    std::size_t at = stemName.size() + 1;
    const std::optional<std::uint32_t> processId = numberAt(fileName, at);
    if (!processId || at >= fileName.size() || fileName[at] != '-') {
        return std::nullopt;
    }
    ++at;
    for (std::size_t i = 0; i < RANDOM_DIGITS; ++i, ++at) {
        if (at >= fileName.size() || !isHexDigit(fileName[at])) {
            return std::nullopt;
        }
    }
    if (fileName.compare(at, std::string::npos, SUFFIX) != 0) {
        return std::nullopt;
    }
    return processId;
}

// A name the runtime cannot convert (a folder's other files may be named in any script) ends the
// search with none: leftovers are tidied away, never needed for a split.
std::vector<std::string> leftoversOf(const std::string& stem)
try {
    namespace fs = std::filesystem;
    const fs::path stemPath = pathOfName(stem);
    const std::string stemName = nameOfPath(stemPath.filename());
    const fs::path folder = stemPath.has_parent_path() ? stemPath.parent_path() : fs::path(".");
    std::vector<std::string> leftovers;
    for (const std::string& name : namesInFolder(nameOfPath(folder))) {
        const std::optional<std::uint32_t> writer = writerOfRunFolder(name, stemName);
        if (writer && (*writer == thisProcessId() || !processRuns(*writer))) {
            leftovers.push_back(nameOfPath(stemPath.has_parent_path() ? folder / pathOfName(name) : pathOfName(name)));
        }
    }
    return leftovers;
} catch (const std::exception&) {
    return {};
}

void removeLeftovers(const std::string& stem)
{
    for (const std::string& leftover : leftoversOf(stem)) {
        std::error_code ignored;
        std::filesystem::remove_all(pathOfName(leftover), ignored);
    }
}
