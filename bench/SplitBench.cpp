// Times the real split engine against the system's own tools on the same files, in the same run:
// a large Mother cut into 10-second Children against `cp` (and `dd`) of that Mother, and a
// 10-minute Mother cut into 0.01-second Children against `split -b 1764`. It also prints the peak
// resident memory, which must not grow with the Mother, and checks the Children lightly so a fast
// but wrong engine cannot pass.
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "planning/MotherRefusal.h"
#include "writing/SplitFiles.h"
#include "writing/SplitMessages.h"
#include "planning/SplitPlan.h"
#include "writing/SplitWriter.h"
#include "wav/MotherFacts.h"
#include "wav/WavHeader.h"

namespace {

namespace fs = std::filesystem;

// Every file the bench itself writes or reads goes through a buffer of this size, so the peak
// memory it prints is the engine's and not the bench's.
constexpr std::size_t CHUNK_BYTES = 64 * 1024;
constexpr std::uint32_t TEN_SECONDS_BYTES = 10 * BYTES_PER_SECOND;
constexpr std::uint32_t TEN_MINUTES_BYTES = 600 * BYTES_PER_SECOND;
constexpr double BYTES_PER_MB = 1e6;
constexpr double LARGE_GOAL = 1.3;  // split time over cp time
constexpr double MANY_GOAL = 1.5;   // split time over `split -b` time
constexpr long RSS_GOAL_KIB = 16 * 1024;

struct Options {
    std::uint64_t largeMib = 1024;
    int repeat = 3;
    fs::path dir;
    bool skipLarge = false;
    bool skipMany = false;
    bool clearRounds = false;
};

void usage(const char* program)
{
    std::fprintf(stderr,
                 "usage: %s [--large-mib N] [--repeat N] [--dir PATH] [--skip-large] [--skip-many]\n"
                 "          [--clear-rounds]\n"
                 "  --large-mib N  size of the large Mother in MiB (default 1024, at most 4095)\n"
                 "  --repeat N     timed rounds per tool; the best round counts (default 3)\n"
                 "  --dir PATH     folder for the work files (default: the system's temporary folder)\n"
                 "  --clear-rounds remove each round's output right after it instead of at the end\n",
                 program);
}

std::optional<Options> parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--large-mib" && hasValue) {
            options.largeMib = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--repeat" && hasValue) {
            options.repeat = std::atoi(argv[++i]);
        } else if (arg == "--dir" && hasValue) {
            options.dir = argv[++i];
        } else if (arg == "--skip-large") {
            options.skipLarge = true;
        } else if (arg == "--skip-many") {
            options.skipMany = true;
        } else if (arg == "--clear-rounds") {
            options.clearRounds = true;
        } else {
            return std::nullopt;
        }
    }
    // The engine measures every size in 32 bits: a Mother must stay below 4 GiB.
    if (options.largeMib == 0 || options.largeMib > 4095 || options.repeat < 1) {
        return std::nullopt;
    }
    if (options.dir.empty()) {
        options.dir = fs::temp_directory_path();
    }
    return options;
}

// A folder of the bench's own, removed with everything in it however the bench ends.
class WorkFolder {
public:
    explicit WorkFolder(const fs::path& parent) : path_(parent / ("morlando-bench-" + std::to_string(::getpid())))
    {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~WorkFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Sample bytes with no simple pattern and no silence, the same on every run, so a Child copied
// from the wrong place of the Mother shows up as different bytes.
class SampleSource {
public:
    void fill(std::uint8_t* bytes, std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i) {
            state_ ^= state_ << 13;
            state_ ^= state_ >> 17;
            state_ ^= state_ << 5;
            bytes[i] = static_cast<std::uint8_t>(state_ >> 11);
        }
    }

private:
    std::uint32_t state_ = 0x2545F491u;
};

// Writes a canonical WAV of dataSize sample bytes, written out byte for byte so the file has no
// holes and reading it costs what reading a real recording costs.
bool writeMother(const fs::path& path, std::uint32_t dataSize)
{
    HeaderBytes header{};
    fillDefaultHeader(header);
    writeHeaderSizes(header, dataSize);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    bool ok = std::fwrite(header.data(), 1, header.size(), out) == header.size();
    std::array<std::uint8_t, CHUNK_BYTES> chunk{};
    SampleSource source;
    std::uint64_t left = dataSize;
    while (ok && left > 0) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(left, chunk.size()));
        source.fill(chunk.data(), n);
        ok = std::fwrite(chunk.data(), 1, n, out) == n;
        left -= n;
    }
    return std::fclose(out) == 0 && ok;
}

std::string quoted(const fs::path& path)
{
    std::string result = "'";
    for (const char c : path.string()) {
        if (c == '\'') {
            result += "'\\''";
        } else {
            result += c;
        }
    }
    return result + "'";
}

double secondsOf(const std::function<bool()>& work, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = work();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(end - start).count();
}

// Dirty pages of an earlier run are written back before the next run starts, so no run pays
// for the one before it.
void settle() { static_cast<void>(std::system("sync")); }

// Lets the kernel drop the cached pages of a written output, a file or a folder of files, so that
// the next run finds memory free to write into, as the first one did, and the outputs of earlier
// runs crowd nothing out. Only the Mother stays cached, for every run alike.
void dropFromCache(const fs::path& output)
{
    const auto drop = [](const fs::path& file) {
        const int fd = ::open(file.c_str(), O_RDONLY);
        if (fd >= 0) {
            static_cast<void>(::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED));
            ::close(fd);
        }
    };
    if (fs::is_directory(output)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(output)) {
            drop(entry.path());
        }
    } else {
        drop(output);
    }
}

bool runCommand(const std::string& command) { return std::system(command.c_str()) == 0; }

long peakRssKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;  // KiB on Linux
}

// What the engine should leave behind for a Mother of dataSize and pieces of pieceBytes.
struct ExpectedChildren {
    std::uint64_t fullCount = 0;
    std::uint32_t lastDataBytes = 0;
    bool hasLast = false;
    std::uint64_t count() const { return fullCount + (hasLast ? 1 : 0); }
};

ExpectedChildren expectedChildren(std::uint32_t dataSize, std::uint32_t pieceBytes)
{
    const std::uint32_t cuttable = dataSize - MOTHER_DATA_MARGIN;
    ExpectedChildren expected;
    expected.fullCount = cuttable / pieceBytes;
    const std::uint32_t remainder = cuttable % pieceBytes;
    expected.hasLast = remainder >= LAST_PIECE_TRIM;
    expected.lastDataBytes = expected.hasLast ? remainder - LAST_PIECE_TRIM : 0;
    return expected;
}

fs::path childPath(const fs::path& folder, std::uint64_t number)
{
    return folder / ("child" + std::to_string(number) + ".WAV");
}

std::uint64_t countFiles(const fs::path& folder)
{
    std::uint64_t count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        count += entry.is_regular_file() ? 1 : 0;
    }
    return count;
}

// Compares a file's bytes from one offset with another file's bytes from another offset.
bool sameBytes(const fs::path& a, std::uint64_t aOffset, const fs::path& b, std::uint64_t bOffset, std::uint64_t bytes)
{
    std::FILE* fa = std::fopen(a.c_str(), "rb");
    std::FILE* fb = std::fopen(b.c_str(), "rb");
    bool same = fa != nullptr && fb != nullptr && fseeko(fa, static_cast<off_t>(aOffset), SEEK_SET) == 0 &&
                fseeko(fb, static_cast<off_t>(bOffset), SEEK_SET) == 0;
    std::array<std::uint8_t, CHUNK_BYTES> bufA{};
    std::array<std::uint8_t, CHUNK_BYTES> bufB{};
    while (same && bytes > 0) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(bytes, bufA.size()));
        same = std::fread(bufA.data(), 1, n, fa) == n && std::fread(bufB.data(), 1, n, fb) == n &&
               std::memcmp(bufA.data(), bufB.data(), n) == 0;
        bytes -= n;
    }
    if (fa != nullptr) {
        std::fclose(fa);
    }
    if (fb != nullptr) {
        std::fclose(fb);
    }
    return same;
}

bool headerIs(const fs::path& child, std::uint32_t dataBytes)
{
    HeaderBytes expected{};
    fillDefaultHeader(expected);
    writeHeaderSizes(expected, dataBytes);
    HeaderBytes actual{};
    const HeaderRead read = readHeaderFile(child.string(), actual);
    return read.opened && read.bytesRead == actual.size() && actual == expected;
}

// Checks the count of Children, the sizes of the first and the last, every header of those, and
// the bytes of one Child from the middle against its slice of the Mother.
bool checkChildren(const fs::path& folder, const fs::path& mother, std::uint32_t dataSize, std::uint32_t pieceBytes)
{
    const ExpectedChildren expected = expectedChildren(dataSize, pieceBytes);
    const std::uint64_t count = countFiles(folder);
    bool ok = count == expected.count();
    if (!ok) {
        std::printf("    children: %llu, expected %llu\n", static_cast<unsigned long long>(count),
                    static_cast<unsigned long long>(expected.count()));
        return false;
    }
    std::error_code error;
    const std::uint64_t firstBytes = fs::file_size(childPath(folder, 1), error);
    ok = !error && firstBytes == WAV_HEADER_BYTES + pieceBytes && headerIs(childPath(folder, 1), pieceBytes);
    if (expected.hasLast) {
        const fs::path last = childPath(folder, expected.count());
        const std::uint64_t lastBytes = fs::file_size(last, error);
        ok = ok && !error && lastBytes == WAV_HEADER_BYTES + expected.lastDataBytes &&
             headerIs(last, expected.lastDataBytes) &&
             sameBytes(last, WAV_HEADER_BYTES, mother, WAV_HEADER_BYTES + expected.fullCount * pieceBytes,
                       expected.lastDataBytes);
    }
    const std::uint64_t middle = (expected.fullCount + 1) / 2;
    if (middle >= 1) {
        ok = ok && sameBytes(childPath(folder, middle), WAV_HEADER_BYTES, mother,
                             WAV_HEADER_BYTES + (middle - 1) * pieceBytes, pieceBytes);
    }
    return ok;
}

// Reads the Mother as the program does, plans its split by the window's rules, pieces of
// pieceBytes, the Children named child1.WAV, child2.WAV, ... in childFolder, and writes the plan
// with the file layer morlando-split uses.
bool engineSplit(const fs::path& mother, const fs::path& childFolder, std::uint32_t pieceBytes)
{
    const std::optional<MotherFacts> facts = examineMother(mother.string());
    if (!facts) {
        std::printf("    cannot open %s\n", mother.c_str());
        return false;
    }
    std::fclose(facts->stream);
    if (const std::optional<MotherRefusal> refusal = motherRefusalOf(*facts)) {
        std::printf("    load refused: %s\n", refusal->caption);
        return false;
    }
    CutChoice choice;
    choice.pieceBytes = pieceBytes;
    choice.cutMode = CutMode::Time;
    choice.copyBufferBytes = COPY_BUFFER_CAPACITY;
    choice.childStem = (childFolder / "child").string();
    choice.childNumber = 1;
    const SplitPlan plan = planWindowSplit(motherSourceOf(mother.string(), *facts), choice);
    SystemCopyFiles files;
    SplitListener nobody;
    const SplitOutcome outcome = writeSplit(plan, files, nobody);
    if (!outcome.finished()) {
        const SplitMessage message = stopMessage(plan, outcome);
        std::printf("    split failed: %s | %s\n", message.caption.c_str(), message.text.c_str());
        return false;
    }
    return true;
}

// Wall time of one run, and the processor time it took in this process and in the commands it ran.
struct Timing {
    double seconds = 0;
    double userSeconds = 0;
    double systemSeconds = 0;
};

double cpuSeconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

Timing measure(const std::function<bool()>& work, bool& ok)
{
    rusage selfBefore{};
    rusage childrenBefore{};
    getrusage(RUSAGE_SELF, &selfBefore);
    getrusage(RUSAGE_CHILDREN, &childrenBefore);
    Timing timing;
    timing.seconds = secondsOf(work, ok);
    rusage selfAfter{};
    rusage childrenAfter{};
    getrusage(RUSAGE_SELF, &selfAfter);
    getrusage(RUSAGE_CHILDREN, &childrenAfter);
    timing.userSeconds = cpuSeconds(selfAfter.ru_utime) - cpuSeconds(selfBefore.ru_utime) +
                         cpuSeconds(childrenAfter.ru_utime) - cpuSeconds(childrenBefore.ru_utime);
    timing.systemSeconds = cpuSeconds(selfAfter.ru_stime) - cpuSeconds(selfBefore.ru_stime) +
                           cpuSeconds(childrenAfter.ru_stime) - cpuSeconds(childrenBefore.ru_stime);
    return timing;
}

// One way of doing the job, timed once per round.
struct Contender {
    const char* name;
    std::function<fs::path(int round)> output;  // the round's own output: a file or a folder
    std::function<bool(int round)> run;         // does the job into that output
    std::function<bool(int round)> check;       // whether the output is what it should be
    std::vector<double> seconds{};

    double best() const { return *std::min_element(seconds.begin(), seconds.end()); }
    double median() const
    {
        std::vector<double> sorted = seconds;
        std::sort(sorted.begin(), sorted.end());
        return sorted[(sorted.size() - 1) / 2];
    }
};

// Runs every contender once per round, in the same order each round; before each run the disk is
// settled and the run before it is out of the cache. The outputs stay on disk until the bench
// ends unless asked otherwise: a file system without a journal skips, one by one, the inodes freed
// in the last few minutes whenever it makes a file, so deleting 60 000 Children just before a run
// can cost that run more than its own work, and it would always be the next contender that paid
// for the last one's files.
bool runRounds(std::vector<Contender>& contenders, const Options& options, std::uint64_t bytes)
{
    bool ok = true;
    for (int round = 1; round <= options.repeat; ++round) {
        for (Contender& contender : contenders) {
            settle();
            bool ran = false;
            const Timing timing = measure([&] { return contender.run(round); }, ran);
            std::printf("  round %d  %-8s %8.3f s %8.1f MB/s   cpu user %6.3f s  sys %6.3f s\n", round, contender.name,
                        timing.seconds, static_cast<double>(bytes) / BYTES_PER_MB / timing.seconds, timing.userSeconds,
                        timing.systemSeconds);
            std::fflush(stdout);
            contender.seconds.push_back(timing.seconds);
            if (!ran || !contender.check(round)) {
                std::printf("  %s round %d: MISMATCH\n", contender.name, round);
                ok = false;
            }
            settle();
            if (options.clearRounds) {
                fs::remove_all(contender.output(round));
            } else {
                dropFromCache(contender.output(round));
            }
        }
    }
    return ok;
}

void printSummary(const std::vector<Contender>& contenders, const Options& options, std::uint64_t bytes)
{
    std::printf("  of %d rounds:\n", options.repeat);
    for (const Contender& contender : contenders) {
        std::printf("    %-8s best %8.3f s (%7.1f MB/s)   median %8.3f s\n", contender.name, contender.best(),
                    static_cast<double>(bytes) / BYTES_PER_MB / contender.best(), contender.median());
    }
}

void printRatio(const char* label, const Contender& mine, const Contender& theirs, double goal)
{
    const double best = mine.best() / theirs.best();
    const double median = mine.median() / theirs.median();
    std::printf("  ratio %s = %.2f best, %.2f median   (goal <= %.1f: %s)\n", label, best, median, goal,
                best <= goal ? "met" : "MISSED");
}

fs::path numbered(const fs::path& folder, const char* stem, int round, const char* extension = "")
{
    return folder / (stem + std::to_string(round) + extension);
}

bool fileHasSize(const fs::path& path, std::uint64_t bytes)
{
    std::error_code error;
    return fs::file_size(path, error) == bytes && !error;
}

bool hasSpaceFor(const fs::path& folder, std::uint64_t bytes)
{
    std::error_code error;
    const fs::space_info space = fs::space(folder, error);
    return !error && space.available > bytes;
}

// `split -b` of the whole Mother into pieces of pieceBytes, in a folder of its own per round.
Contender splitCommandContender(const fs::path& folder, const fs::path& mother, std::uint32_t pieceBytes,
                                std::uint64_t motherBytes)
{
    return Contender{"split -b", [=](int round) { return numbered(folder, "pieces", round); },
                     [=](int round) {
                         const fs::path pieces = numbered(folder, "pieces", round);
                         fs::create_directories(pieces);
                         // Six suffix letters name 308 million pieces; the prefix puts them in their own folder.
                         return runCommand("split -a 6 -b " + std::to_string(pieceBytes) + " " + quoted(mother) + " " +
                                           quoted(pieces / "p"));
                     },
                     [=](int round) {
                         const std::uint64_t pieceCount = (motherBytes + pieceBytes - 1) / pieceBytes;
                         return countFiles(numbered(folder, "pieces", round)) == pieceCount;
                     }};
}

// The engine itself, into a folder of its own per round, its Children checked against the Mother.
Contender engineContender(const fs::path& folder, const fs::path& mother, std::uint32_t dataSize,
                          std::uint32_t pieceBytes)
{
    return Contender{
        "engine", [=](int round) { return numbered(folder, "children", round); },
        [=](int round) {
            const fs::path children = numbered(folder, "children", round);
            fs::create_directories(children);
            return engineSplit(mother, children, pieceBytes);
        },
        [=](int round) { return checkChildren(numbered(folder, "children", round), mother, dataSize, pieceBytes); }};
}

// A Mother of --large-mib into 10-second Children, against cp of the whole Mother. For reference:
// dd with a 256 KiB block, a copy that moves every byte through the process as the engine does
// (cp copies inside the kernel), and split -b into pieces of the Children's size, which makes as
// many files as the engine.
bool largeCase(const fs::path& work, const Options& options)
{
    // Whole frames only, so the Mother is a valid recording.
    const auto dataSize =
        static_cast<std::uint32_t>(options.largeMib * 1024 * 1024 / BYTES_PER_FRAME * BYTES_PER_FRAME);
    const fs::path folder = work / "large";
    fs::create_directories(folder);
    const fs::path mother = folder / "mother.wav";
    const std::uint64_t motherBytes = WAV_HEADER_BYTES + std::uint64_t{dataSize};
    const ExpectedChildren expected = expectedChildren(dataSize, TEN_SECONDS_BYTES);

    std::printf("\n== large: %llu-byte Mother (%llu MiB of samples) into 10 s pieces of %u bytes: %llu Children\n",
                static_cast<unsigned long long>(motherBytes), static_cast<unsigned long long>(options.largeMib),
                TEN_SECONDS_BYTES, static_cast<unsigned long long>(expected.count()));
    Options local = options;
    const std::uint64_t keptBytes = motherBytes * (1 + 4 * static_cast<std::uint64_t>(options.repeat));
    if (!local.clearRounds && !hasSpaceFor(folder, keptBytes + (std::uint64_t{1} << 30))) {
        std::printf("  too little free space to keep every round: outputs removed after each round\n");
        local.clearRounds = true;
    }
    std::fflush(stdout);
    if (!writeMother(mother, dataSize)) {
        std::printf("  cannot write the Mother in %s\n", folder.c_str());
        return false;
    }

    std::vector<Contender> contenders;
    contenders.push_back(
        Contender{"cp", [&](int round) { return numbered(folder, "cp", round, ".wav"); },
                  [&](int round) {
                      return runCommand("cp " + quoted(mother) + " " + quoted(numbered(folder, "cp", round, ".wav")));
                  },
                  [&](int round) { return fileHasSize(numbered(folder, "cp", round, ".wav"), motherBytes); }});
    contenders.push_back(
        Contender{"dd 256K", [&](int round) { return numbered(folder, "dd", round, ".wav"); },
                  [&](int round) {
                      return runCommand("dd bs=256K status=none if=" + quoted(mother) +
                                        " of=" + quoted(numbered(folder, "dd", round, ".wav")));
                  },
                  [&](int round) { return fileHasSize(numbered(folder, "dd", round, ".wav"), motherBytes); }});
    contenders.push_back(splitCommandContender(folder, mother, TEN_SECONDS_BYTES, motherBytes));
    contenders.push_back(engineContender(folder, mother, dataSize, TEN_SECONDS_BYTES));

    const bool ok = runRounds(contenders, local, motherBytes);
    std::printf("  check: %s\n", ok ? "ok" : "MISMATCH");
    printSummary(contenders, options, motherBytes);
    const Contender& engine = contenders[3];
    printRatio("engine/cp", engine, contenders[0], LARGE_GOAL);
    for (std::size_t i = 1; i < 3; ++i) {
        std::printf("  ratio engine/%s = %.2f best, %.2f median   (for reference)\n", contenders[i].name,
                    engine.best() / contenders[i].best(), engine.median() / contenders[i].median());
    }
    std::printf("  peak RSS after large case: %ld KiB\n", peakRssKib());
    return ok;
}

// A 10-minute Mother into 0.01-second Children, against `split -b 1764` of the same file.
bool manyCase(const fs::path& work, const Options& options)
{
    const std::uint32_t dataSize = TEN_MINUTES_BYTES;
    const fs::path folder = work / "many";
    fs::create_directories(folder);
    const fs::path mother = folder / "mother.wav";
    const std::uint64_t motherBytes = WAV_HEADER_BYTES + std::uint64_t{dataSize};
    const ExpectedChildren expected = expectedChildren(dataSize, BYTES_PER_CENTISECOND);

    std::printf("\n== many files: %llu-byte Mother (10 min) into 0.01 s pieces of %u bytes: %llu Children\n",
                static_cast<unsigned long long>(motherBytes), BYTES_PER_CENTISECOND,
                static_cast<unsigned long long>(expected.count()));
    std::fflush(stdout);
    if (!writeMother(mother, dataSize)) {
        std::printf("  cannot write the Mother in %s\n", folder.c_str());
        return false;
    }

    std::vector<Contender> contenders;
    contenders.push_back(splitCommandContender(folder, mother, BYTES_PER_CENTISECOND, motherBytes));
    contenders.push_back(engineContender(folder, mother, dataSize, BYTES_PER_CENTISECOND));

    const bool ok = runRounds(contenders, options, motherBytes);
    std::printf("  check: %s\n", ok ? "ok" : "MISMATCH");
    printSummary(contenders, options, motherBytes);
    std::printf("  engine: %.0f Children/s at best\n", static_cast<double>(expected.count()) / contenders[1].best());
    printRatio("engine/split -b", contenders[1], contenders[0], MANY_GOAL);
    std::printf("  peak RSS after many-files case: %ld KiB\n", peakRssKib());
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        usage(argv[0]);
        return 2;
    }
    try {
        const WorkFolder work(options->dir);
        std::printf("work folder %s, %d rounds, outputs removed %s\n", work.path().c_str(), options->repeat,
                    options->clearRounds ? "after each round" : "at the end");
        std::printf("engine copy block %u bytes, stream buffers %zu bytes\n", COPY_BUFFER_CAPACITY,
                    SPLIT_STREAM_BUFFER_BYTES);
        std::printf("peak RSS at start: %ld KiB\n", peakRssKib());
        bool ok = true;
        // The small case first: the memory printed after it is the floor the large case must keep.
        // Its files stay until the end, so that the large case pays for no deletion of them.
        if (!options->skipMany) {
            ok = manyCase(work.path(), *options) && ok;
        }
        if (!options->skipLarge) {
            ok = largeCase(work.path(), *options) && ok;
        }
        const long peak = peakRssKib();
        std::printf("\npeak RSS at end: %ld KiB (goal < %ld KiB: %s)\n", peak, RSS_GOAL_KIB,
                    peak < RSS_GOAL_KIB ? "met" : "MISSED");
        std::printf("%s\n", ok ? "ok" : "MISMATCH");
        std::fflush(stdout);
        return ok ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench stopped: %s\n", error.what());
        return 1;
    }
}
