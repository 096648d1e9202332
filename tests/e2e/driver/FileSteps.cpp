// Steps on files: the waves fed to the program and the checks on what it writes.
#include "Steps.h"

#include "TestFiles.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string hexByte(unsigned value)
{
    char text[8] = {};
    std::snprintf(text, sizeof text, "%02X", value & 0xFFu);
    return text;
}

void writeWav(Context& c, const Step& step)
{
    const std::uint32_t dataBytes = unsignedArg(step, 1);
    const std::uint32_t trailing = step.args.size() > 2 ? unsignedArg(step, 2) : 0;
    const std::uint32_t sizeField = step.args.size() > 3 ? unsignedArg(step, 3) : dataBytes;
    const std::string problem = writeWave(step.args[0], dataBytes, trailing, sizeField);
    if (!problem.empty()) {
        throw StepFailure(problem);
    }
    c.log.line("  wrote " + step.args[0] + ": " + std::to_string(fileLength(step.args[0])) + " bytes");
}

void writeTone(Context& c, const Step& step)
{
    const std::string problem = writeToneWave(step.args[0], unsignedArg(step, 1));
    if (!problem.empty()) {
        throw StepFailure(problem);
    }
    c.log.line("  wrote " + step.args[0] + ": " + std::to_string(fileLength(step.args[0])) + " bytes");
}

void writeBytes(Context&, const Step& step)
{
    const std::uint32_t fill = step.args.size() > 2 ? unsignedArg(step, 2) : 0;
    if (fill > 0xFF) {
        throw StepFailure("fill byte above 0xFF: " + step.args[2]);
    }
    const std::string problem = writeFilledFile(step.args[0], unsignedArg(step, 1), static_cast<unsigned char>(fill));
    if (!problem.empty()) {
        throw StepFailure(problem);
    }
}

// Changes single bytes of a written file, such as the format fields of a wave's header.
void patchBytes(Context& c, const Step& step)
{
    std::vector<unsigned char> bytes;
    for (std::size_t i = 2; i < step.args.size(); ++i) {
        const std::uint32_t value = unsignedArg(step, i);
        if (value > 0xFF) {
            throw StepFailure("byte above 0xFF: " + step.args[i]);
        }
        bytes.push_back(static_cast<unsigned char>(value));
    }
    const std::string problem = patchFile(step.args[0], unsignedArg(step, 1), bytes);
    if (!problem.empty()) {
        throw StepFailure(problem);
    }
    c.log.line("  patched " + std::to_string(bytes.size()) + " bytes of " + step.args[0]);
}

void expectFile(Context&, const Step& step)
{
    const long long length = fileLength(step.args[0]);
    const long long expected = unsignedArg(step, 1);
    if (length != expected) {
        const std::string found = length < 0 ? "no such file" : std::to_string(length) + " bytes";
        throw StepFailure(step.args[0] + ": expected " + std::to_string(expected) + " bytes, found " + found);
    }
}

void expectNoFile(Context&, const Step& step)
{
    if (fileLength(step.args[0]) >= 0) {
        throw StepFailure(step.args[0] + " exists but should not");
    }
}

void expectBytes(Context&, const Step& step)
{
    const std::uint32_t offset = unsignedArg(step, 1);
    const std::size_t count = step.args.size() - 2;
    const std::vector<unsigned char> actual = readBytes(step.args[0], offset, count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t expected = unsignedArg(step, i + 2);
        if (i >= actual.size() || actual[i] != expected) {
            const std::string found = i >= actual.size() ? "end of file" : hexByte(actual[i]);
            throw StepFailure(step.args[0] + " offset " + std::to_string(offset + i) + ": expected " +
                              hexByte(expected) + ", found " + found);
        }
    }
}

void expectSameBytes(Context&, const Step& step)
{
    const std::uint32_t offsetA = unsignedArg(step, 1);
    const std::uint32_t offsetB = unsignedArg(step, 3);
    const std::uint32_t count = unsignedArg(step, 4);
    const std::vector<unsigned char> a = readBytes(step.args[0], offsetA, count);
    const std::vector<unsigned char> b = readBytes(step.args[2], offsetB, count);
    for (std::size_t i = 0; i < count; ++i) {
        if (i >= a.size() || i >= b.size() || a[i] != b[i]) {
            throw StepFailure("first difference at byte " + std::to_string(i) + " of " + std::to_string(count) + ": " +
                              step.args[0] + " offset " + std::to_string(offsetA + i) + " against " + step.args[2] +
                              " offset " + std::to_string(offsetB + i) +
                              (i >= a.size() || i >= b.size() ? " (end of file)" : ""));
        }
    }
}

// A text the program wrote, such as a settings record or a list file, byte for byte at the
// offset; with "end" the file ends right after it.
void expectText(Context&, const Step& step)
{
    const std::uint32_t offset = unsignedArg(step, 1);
    const std::string& expected = step.args[2];
    const std::vector<unsigned char> actual = readBytes(step.args[0], offset, expected.size() + 1);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (i >= actual.size() || actual[i] != static_cast<unsigned char>(expected[i])) {
            const std::string found = i >= actual.size() ? "end of file" : hexByte(actual[i]);
            throw StepFailure(step.args[0] + " offset " + std::to_string(offset + i) + ": expected " +
                              hexByte(static_cast<unsigned char>(expected[i])) + ", found " + found);
        }
    }
    const bool toTheEnd = step.args.size() > 3 && step.args[3] == "end";
    if (toTheEnd && actual.size() > expected.size()) {
        throw StepFailure(step.args[0] + " goes on after the expected text, at offset " +
                          std::to_string(offset + expected.size()));
    }
}

// After a split that was stopped: every file named as a Child of the stem in the folder is whole
// (its header, then its exact slice of the Mother, pieces of equal length numbered from 1), there
// are at least that many, and no temporary file (".part") is left.
void expectWholeChildren(Context& c, const Step& step)
{
    const std::string folder = step.args[0] + "\\";
    const std::string& stem = step.args[1];
    const std::string& mother = step.args[2];
    const std::uint32_t piece = unsignedArg(step, 3);
    const std::uint32_t atLeast = unsignedArg(step, 4);
    const std::vector<unsigned char> header = canonicalHeader(piece);
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    std::uint32_t children = 0;
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        const std::string name = found.cFileName;
        if (name.size() > 5 && name.compare(name.size() - 5, 5, ".part") == 0) {
            FindClose(search);
            throw StepFailure("a temporary file is left: " + name);
        }
        const std::size_t digits = name.size() - stem.size() - 4;
        if (name.size() <= stem.size() + 4 || name.compare(0, stem.size(), stem) != 0 ||
            name.compare(name.size() - 4, 4, ".WAV") != 0 ||
            name.find_first_not_of("0123456789", stem.size()) != stem.size() + digits) {
            continue;
        }
        const std::uint32_t number = static_cast<std::uint32_t>(std::stoul(name.substr(stem.size(), digits)));
        const std::vector<unsigned char> bytes = readBytes(folder + name, 0, 44 + std::size_t{piece} + 1);
        const std::vector<unsigned char> slice = readBytes(mother, 44 + std::uint64_t{number - 1} * piece, piece);
        if (bytes.size() != 44 + std::size_t{piece} || !std::equal(header.begin(), header.end(), bytes.begin()) ||
            !std::equal(slice.begin(), slice.end(), bytes.begin() + 44) || slice.size() != piece) {
            FindClose(search);
            throw StepFailure(name + " is not whole: " + std::to_string(bytes.size()) + " bytes");
        }
        ++children;
    }
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
    }
    c.log.line("  " + std::to_string(children) + " whole Children of " + stem + ", no temporary file");
    if (children < atLeast) {
        throw StepFailure("expected at least " + std::to_string(atLeast) + " Children, found " +
                          std::to_string(children));
    }
}

// The names of the files in a folder, in order; none when it cannot be read.
std::vector<std::string> filesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.emplace_back(found.cFileName);
        }
    }
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Two folders hold files of the same names, each the same bytes as its namesake: the Children of
// one split made two ways.
void expectSameFiles(Context& c, const Step& step)
{
    const std::vector<std::string> a = filesIn(step.args[0]);
    const std::vector<std::string> b = filesIn(step.args[1]);
    std::string listed;
    for (const std::string& name : a) {
        listed += " \"" + name + "\"";
    }
    c.log.line("  " + std::to_string(a.size()) + " files:" + listed);
    if (a.empty() || a != b) {
        std::string other;
        for (const std::string& name : b) {
            other += " \"" + name + "\"";
        }
        throw StepFailure("the folders hold other files:" + listed + " against" + other);
    }
    for (const std::string& name : a) {
        const std::string pathA = step.args[0] + "\\" + name;
        const std::string pathB = step.args[1] + "\\" + name;
        const long long length = fileLength(pathA);
        const std::size_t count = static_cast<std::size_t>(length) + 1;
        if (length < 0 || fileLength(pathB) != length || readBytes(pathA, 0, count) != readBytes(pathB, 0, count)) {
            throw StepFailure(name + " differs: " + std::to_string(length) + " against " +
                              std::to_string(fileLength(pathB)) + " bytes");
        }
    }
}

}  // namespace

const std::vector<StepKind>& fileSteps()
{
    static const std::vector<StepKind> steps = {
        {"write-wav", 2, 4, "write-wav <path> <data bytes> [trailing bytes] [data size field]", writeWav},
        {"write-tone", 2, 2, "write-tone <path> <seconds>", writeTone},
        {"write-bytes", 2, 3, "write-bytes <path> <count> [fill byte]", writeBytes},
        {"patch-bytes", 3, 1000, "patch-bytes <path> <offset> <byte> [<byte>...]", patchBytes},
        {"expect-file", 2, 2, "expect-file <path> <size>", expectFile},
        {"expect-no-file", 1, 1, "expect-no-file <path>", expectNoFile},
        {"expect-bytes", 3, 1000, "expect-bytes <path> <offset> <byte> [<byte>...]", expectBytes},
        {"expect-text", 3, 4, "expect-text <path> <offset> \"<text>\" [end]", expectText},
        {"expect-whole-children", 5, 5, "expect-whole-children <folder> <stem> <mother> <piece bytes> <at least>",
         expectWholeChildren},
        {"expect-same-bytes", 5, 5, "expect-same-bytes <path A> <offset A> <path B> <offset B> <count>",
         expectSameBytes},
        {"expect-same-files", 2, 2, "expect-same-files <folder A> <folder B>", expectSameFiles},
    };
    return steps;
}
