#include "writing/SplitWriter.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "support/ScratchFiles.h"
#include "support/WavLayouts.h"

namespace {

constexpr std::uint32_t PIECE = 1000;

// The real file layer, except that one step fails on the Child of the given number.
class FailingFiles : public SplitFiles {
public:
    enum class Step { None, Undecidable, Create, Header, Samples, Read, Flush, ErrorState, Sync, Close };

    FailingFiles(Step step, int error, std::string failingName)
        : step_(step), error_(error), failingName_(std::move(failingName))
    {
    }

    ChildCreation createChild(const std::string& path, const std::string& motherPath,
                              const std::string& temporary) override
    {
        const bool failing = path == failingName_;
        if (failing && step_ == Step::Undecidable) {
            return {nullptr, Sameness::Unknown};
        }
        if (failing && step_ == Step::Create) {
            errno = error_;
            return {};
        }
        const ChildCreation child = SplitFiles::createChild(path, motherPath, temporary);
        failing_ = failing ? child.stream : nullptr;
        return child;
    }

    std::size_t read(std::FILE* stream, void* into, std::size_t bytes) override
    {
        const std::size_t got = SplitFiles::read(stream, into, bytes);
        return failing_ != nullptr && step_ == Step::Read ? got - 1 : got;
    }

    std::size_t write(std::FILE* stream, const void* from, std::size_t bytes) override
    {
        const bool header = bytes == WAV_HEADER_BYTES;
        if (stream == failing_ && ((step_ == Step::Header && header) || (step_ == Step::Samples && !header))) {
            errno = error_;
            return bytes / 2;
        }
        return SplitFiles::write(stream, from, bytes);
    }

    bool flush(std::FILE* stream) override
    {
        const bool flushed = SplitFiles::flush(stream);
        if (stream == failing_ && step_ == Step::Flush) {
            errno = error_;
            return false;
        }
        return flushed;
    }

    bool hasError(std::FILE* stream) override
    {
        return (stream == failing_ && step_ == Step::ErrorState) || SplitFiles::hasError(stream);
    }

    bool syncToDisk(std::FILE* stream) override
    {
        ++syncs;
        if (stream == failing_ && step_ == Step::Sync) {
            errno = error_;
            return false;
        }
        return SplitFiles::syncToDisk(stream);
    }

    bool syncFolder(const std::string& folder) override
    {
        syncedFolders.push_back(folder);
        return SplitFiles::syncFolder(folder);
    }

    bool close(std::FILE* stream) override
    {
        const bool closed = SplitFiles::close(stream);
        if (stream == failing_ && step_ == Step::Close) {
            errno = error_;
            return false;
        }
        return closed;
    }

    bool remove(const std::string& path) override { return !refuseRemove && SplitFiles::remove(path); }

    bool refuseRemove = false;
    int syncs = 0;
    std::vector<std::string> syncedFolders;

private:
    Step step_;
    int error_;
    std::string failingName_;
    std::FILE* failing_ = nullptr;
};

// What the writer told, one word a event.
class Events : public SplitListener {
public:
    void childStarted(const PlannedChild& c) override { told.push_back("start " + std::to_string(c.number)); }
    void childCreated(const PlannedChild& c) override { told.push_back("created " + std::to_string(c.number)); }
    void bytesCopied(const PlannedChild& c, std::uint64_t copied) override
    {
        told.push_back("copied " + std::to_string(c.number) + " " + std::to_string(copied));
    }
    void samplesCopied(const PlannedChild& c) override { told.push_back("samples " + std::to_string(c.number)); }
    void childFinished(const PlannedChild& c) override { told.push_back("finished " + std::to_string(c.number)); }

    std::vector<std::string> told;
};

class SplitWriter : public ::testing::Test {
protected:
    // A Mother of four pieces of samples and the window's margin, cut into its four pieces.
    SplitPlan planFourChildren(std::uint32_t block = 1024, std::uint32_t piece = PIECE)
    {
        const HeaderBytes header = pcmHeader(4 * piece + 68);
        const Bytes mother = join({Bytes(header.begin(), header.end()), samples(4 * piece + 68)});
        MotherSource source;
        source.path = folder.write("m.wav", mother);
        source.fileBytes = mother.size();
        source.dataAt = 44;
        source.dataChunkBytes = 4 * piece + 68;
        source.sampleBytes = 4 * piece;
        CutChoice choice;
        choice.pieceBytes = piece;
        choice.cutMode = CutMode::Time;
        choice.childNumber = 1;
        choice.childStem = folder.path("c");
        choice.copyBufferBytes = block;
        return planWindowSplit(source, choice);
    }

    std::string child(int number) const { return folder.path("c" + std::to_string(number) + ".WAV"); }

    ScratchFolder folder;
};

}  // namespace

TEST_F(SplitWriter, FinishesWithEveryChildAndTellsEachStep)
{
    const SplitPlan plan = planFourChildren(4096);  // a copy block larger than a piece
    SplitFiles files;
    Events events;
    const SplitOutcome outcome = writeSplit(plan, files, events);
    EXPECT_TRUE(outcome.finished());
    EXPECT_EQ(outcome.childrenKept, 4u);
    EXPECT_FALSE(outcome.childAt);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(std::filesystem::file_size(child(n)), 1044u);
    }
    // One transfer a Child, of the whole piece.
    const std::vector<std::string> first = {"start 1", "created 1", "copied 1 1000", "samples 1", "finished 1"};
    ASSERT_EQ(events.told.size(), 20u);
    EXPECT_EQ(std::vector<std::string>(events.told.begin(), events.told.begin() + 5), first);
    EXPECT_EQ(events.told.back(), "finished 4");
}

// Every way the writer stops, seen in its outcome: the cause, the Child, the Children kept and
// whether the incomplete one went; only complete Children stay on disk.
TEST_F(SplitWriter, EveryWayItStopsIsInItsOutcome)
{
    using Step = FailingFiles::Step;
    struct Case {
        const char* what;
        Step step;
        int error;
        SplitStop stop;
        int cause;
        std::optional<bool> removed;
        const char* lastTold;
    };
    const Case cases[] = {
        {"undecidable name", Step::Undecidable, 0, SplitStop::ChildMayBeMother, 0, {}, "start 3"},
        {"cannot create", Step::Create, EACCES, SplitStop::ChildCannotCreate, EACCES, {}, "start 3"},
        {"header cannot be written", Step::Header, ENOSPC, SplitStop::ChildCannotWrite, ENOSPC, true, "created 3"},
        {"samples cannot be written", Step::Samples, EFBIG, SplitStop::ChildCannotWrite, EFBIG, true, "created 3"},
        {"Mother ends early", Step::Read, 0, SplitStop::MotherEndedEarly, 0, true, "created 3"},
        {"flush fails with a known cause, close succeeds", Step::Flush, ENOSPC, SplitStop::ChildCannotWrite, ENOSPC,
         true, "samples 3"},
        {"flush fails with a stray cause", Step::Flush, EINVAL, SplitStop::ChildCannotWrite, EINVAL, true, "samples 3"},
        {"error state without a cause", Step::ErrorState, 0, SplitStop::ChildCannotWrite, 0, true, "samples 3"},
        {"close fails", Step::Close, EIO, SplitStop::ChildCannotWrite, EIO, true, "samples 3"},
        {"the disk cannot take it", Step::Sync, EIO, SplitStop::ChildCannotWrite, EIO, true, "samples 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SplitPlan plan = planFourChildren();
        FailingFiles files(c.step, c.error, child(3));
        Events events;
        SplitStopRequest never;
        const SplitOutcome outcome = writeSplit(plan, files, events, never, WriteChoice{false, true});
        EXPECT_EQ(outcome.stop, c.stop);
        EXPECT_EQ(outcome.cause, c.cause);
        EXPECT_EQ(outcome.childAt, std::optional<std::size_t>(2));
        EXPECT_EQ(outcome.childrenKept, 2u);
        EXPECT_EQ(outcome.childRemoved, c.removed);
        EXPECT_TRUE(std::filesystem::exists(child(2)));
        EXPECT_FALSE(std::filesystem::exists(child(3)));
        EXPECT_FALSE(std::filesystem::exists(child(4)));
        EXPECT_EQ(events.told.back(), c.lastTold);
        // Each flushed Child forced onto the disk before its close, its own folder (not that of
        // its temporary name) after its rename.
        const std::string children = std::filesystem::path(child(1)).parent_path().string();
        EXPECT_EQ(files.syncedFolders, (std::vector<std::string>{children, children}));
        EXPECT_EQ(files.syncs, c.step == Step::Sync || c.step == Step::Close ? 3 : 2);
        if (c.step == Step::Read) {
            EXPECT_EQ(outcome.bytesAsked, 1000u);
            EXPECT_EQ(outcome.bytesRead, 999u);
        }
        std::filesystem::remove(child(1));
        std::filesystem::remove(child(2));
    }
}

// A rerun that resumes keeps what an earlier run left whole, untouched, and writes the rest: it
// ends with the Children of one uninterrupted run.
TEST_F(SplitWriter, AResumedSplitKeepsTheWholeChildrenAndWritesTheOthers)
{
    using Step = FailingFiles::Step;
    const SplitPlan plan = planFourChildren();
    SplitFiles real;
    Events quiet;
    ASSERT_TRUE(writeSplit(plan, real, quiet).finished());
    std::vector<Bytes> whole;
    for (int n = 1; n <= 4; ++n) {
        whole.push_back(readWhole(child(n)));
    }
    const struct {
        const char* what;
        Step fault;         // of the earlier run, on the third Child
        int spoiled;        // a Child changed after it, 0 for none
        std::size_t offset; // where its one byte is cut off or changed
        bool cut;
        std::vector<int> kept;
    } cases[] = {
        {"after a full disk", Step::Samples, 0, 0, false, {1, 2}},
        {"every Child there", Step::None, 0, 0, false, {1, 2, 3, 4}},
        {"a file of another size", Step::None, 2, 1043, true, {1, 3, 4}},
        {"a file of another header", Step::None, 4, 40, false, {1, 2, 3}},
        {"other samples under the same header are not looked at", Step::None, 3, 500, false, {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (int n = 1; n <= 4; ++n) {
            std::filesystem::remove(child(n));
        }
        FailingFiles earlier(c.fault, ENOSPC, child(3));
        writeSplit(plan, earlier, quiet);
        if (c.spoiled != 0) {
            Bytes bytes = readWhole(child(c.spoiled));
            bytes[c.offset] ^= 0x5a;
            bytes.resize(c.cut ? c.offset : bytes.size());
            folder.write("c" + std::to_string(c.spoiled) + ".WAV", bytes);
        }
        const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
        for (int n = 1; n <= 4; ++n) {
            if (std::filesystem::exists(child(n))) {
                std::filesystem::last_write_time(child(n), old);
            }
        }
        Events events;
        SplitStopRequest never;
        const SplitOutcome outcome = writeSplit(plan, real, events, never, WriteChoice{true, false});
        EXPECT_TRUE(outcome.finished());
        EXPECT_EQ(outcome.childrenKept, 4u);
        EXPECT_EQ(outcome.childrenResumed, c.kept.size());
        for (int n = 1; n <= 4; ++n) {
            SCOPED_TRACE(n);
            const bool kept = std::find(c.kept.begin(), c.kept.end(), n) != c.kept.end();
            EXPECT_EQ(std::filesystem::last_write_time(child(n)) == old, kept);
            if (n != c.spoiled || !kept) {
                EXPECT_EQ(readWhole(child(n)), whole[static_cast<std::size_t>(n - 1)]);
            }
            EXPECT_EQ(std::count(events.told.begin(), events.told.end(), "finished " + std::to_string(n)), kept ? 0 : 1);
        }
    }
}

TEST_F(SplitWriter, AChildThatCannotBeRemovedIsSaidToStay)
{
    const SplitPlan plan = planFourChildren();
    FailingFiles files(FailingFiles::Step::Samples, ENOSPC, child(1));
    files.refuseRemove = true;
    Events events;
    const SplitOutcome outcome = writeSplit(plan, files, events);
    EXPECT_EQ(outcome.childRemoved, std::optional<bool>(false));
    EXPECT_EQ(outcome.childrenKept, 0u);
}

TEST_F(SplitWriter, AMotherGoneChangedOrNamedAsAChildIsLeftAlone)
{
    SplitFiles files;
    Events events;
    SplitPlan plan = planFourChildren();
    const Bytes mother = [&] {
        std::ifstream in(plan.mother.path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();

    std::filesystem::create_hard_link(plan.mother.path, child(2));
    SplitOutcome outcome = writeSplit(plan, files, events);
    EXPECT_EQ(outcome.stop, SplitStop::ChildIsMother);
    EXPECT_EQ(outcome.childAt, std::optional<std::size_t>(1));
    EXPECT_EQ(outcome.childrenKept, 1u);
    EXPECT_FALSE(outcome.childRemoved);
    EXPECT_EQ(std::filesystem::file_size(plan.mother.path), mother.size());
    // A dry run's check stops at the same Child and creates none.
    std::filesystem::remove(child(1));
    outcome = checkSplit(plan, files);
    EXPECT_EQ(outcome.stop, SplitStop::ChildIsMother);
    EXPECT_EQ(outcome.childAt, std::optional<std::size_t>(1));
    EXPECT_FALSE(std::filesystem::exists(child(1)));
    std::filesystem::remove(child(2));

    folder.write("m.wav", join({mother, Bytes(4, 0)}));
    outcome = writeSplit(plan, files, events);
    EXPECT_EQ(outcome.stop, SplitStop::MotherChanged);
    EXPECT_EQ(outcome.motherFileBytes, mother.size() + 4);
    EXPECT_EQ(outcome.motherDataSize, 4068u);
    EXPECT_EQ(checkSplit(plan, files).stop, SplitStop::MotherChanged);

    std::filesystem::remove(plan.mother.path);
    outcome = writeSplit(plan, files, events);
    EXPECT_EQ(outcome.stop, SplitStop::MotherCannotOpen);
    EXPECT_EQ(outcome.cause, ENOENT);
    EXPECT_FALSE(outcome.childAt);
    EXPECT_FALSE(std::filesystem::exists(child(1)));
}

// A file that may grow no further (a full disk, a quota, a size limit) stops the split with the
// system's cause, whether the samples pass through the process or are copied inside the system.
TEST_F(SplitWriter, AFileThatCannotGrowStopsBothWaysOfCopying)
{
    SplitFiles throughTheProcess;
    SystemCopyFiles insideTheSystem;
    for (SplitFiles* files : {&throughTheProcess, static_cast<SplitFiles*>(&insideTheSystem)}) {
        const SplitPlan plan =
            planFourChildren(1024, 2 * SYSTEM_COPY_LEAST_BYTES);  // copied inside the system where it can be
        Events events;
        rlimit before{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
        const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = before;
        small.rlim_cur = SYSTEM_COPY_LEAST_BYTES;  // below a Child's size
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const SplitOutcome outcome = writeSplit(plan, *files, events);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldSignal);

        EXPECT_EQ(outcome.stop, SplitStop::ChildCannotWrite);
        EXPECT_EQ(outcome.cause, EFBIG);
        EXPECT_EQ(outcome.childAt, std::optional<std::size_t>(0));
        EXPECT_EQ(outcome.childRemoved, std::optional<bool>(true));
        EXPECT_FALSE(std::filesystem::exists(child(1)));
    }
}

namespace {

// The real Mother, but every Child goes nowhere: only its first write (the header), its byte
// count and its last bytes are kept, so that a Child of gigabytes costs no disk.
class CountingFiles : public SplitFiles {
public:
    ChildCreation createChild(const std::string&, const std::string&, const std::string&) override
    {
        return {std::fopen("/dev/null", "wb"), Sameness::Different};
    }
    ChildPlacement place(const std::string&, const std::string&, const std::string&) override
    {
        return {true, Sameness::Different, 0};
    }
    bool makeFolder(const std::string&) override { return true; }
    bool removeFolder(const std::string&) override { return true; }

    std::size_t write(std::FILE*, const void* from, std::size_t bytes) override
    {
        const auto* at = static_cast<const std::uint8_t*>(from);
        if (written == 0) {
            header.assign(at, at + bytes);
        }
        written += bytes;
        last.insert(last.end(), at, at + bytes);
        if (last.size() > 8) {
            last.erase(last.begin(), last.end() - 8);
        }
        return bytes;
    }

    Bytes header;
    Bytes last;
    std::uint64_t written = 0;
};

}  // namespace

// A sparse RF64 Mother of 4 GiB + 4000 bytes of samples, split into one Child: an RF64 Child whose
// ds64 holds its sizes, all of the Mother's samples behind it. About 6 s natively, most of it reading 4 GiB of holes.
TEST(SplitWriterLarge, AChildOfFourGibibytesOrMoreIsRf64)
{
    ScratchFolder folder;
    const std::uint64_t data = 0x100000000ull + 4000;
    const Bytes fmt = FMT_16;
    // clang-format off
    const Bytes head = join({
        ascii("RF64"), {0xFF, 0xFF, 0xFF, 0xFF}, ascii("WAVE"),
        ascii("ds64"), {28, 0, 0, 0},
        {0xE8, 0x0F, 0, 0, 1, 0, 0, 0},  // RIFF size: 72 + data
        {0xA0, 0x0F, 0, 0, 1, 0, 0, 0},  // data size
        {0xE8, 0x03, 0, 0x40, 0, 0, 0, 0},  // frames: data / 4
        {0, 0, 0, 0},
        fmt, ascii("data"), {0xFF, 0xFF, 0xFF, 0xFF}});
    // clang-format on
    const Bytes end = ascii("lastbyte");
    const std::string path = folder.write("mother.wav", head);
    std::filesystem::resize_file(path, head.size() + data - end.size());
    {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        out.write(reinterpret_cast<const char*>(end.data()), static_cast<std::streamsize>(end.size()));
    }
    const std::optional<MotherFacts> facts = examineMother(path);
    ASSERT_TRUE(facts);
    std::fclose(facts->stream);
    ASSERT_EQ(findSplitProblem(*facts), MotherProblem::None);
    const SplitPlan plan = planSpans(ownTimeSourceOf(path, *facts), {{0, data / 4, ""}}, SpanChoice{"", 1, 0, 8388608});
    ASSERT_EQ(plan.children.size(), 1u);

    CountingFiles files;
    SplitListener nobody;
    const SplitOutcome outcome = writeSplit(plan, files, nobody);
    EXPECT_TRUE(outcome.finished());
    EXPECT_EQ(files.header, head);  // the Mother's own header is what its one Child needs
    EXPECT_EQ(files.written, 80 + data);
    EXPECT_EQ(files.last, end);
}

// A stop asked for from outside, at every stage of the third Child: the first two stay whole,
// the third appears neither under its name nor under its temporary one, nothing else is left.
TEST_F(SplitWriter, AStopAtAnyStageOfAChildLeavesOnlyWholeChildren)
{
    enum class Stage { BeforeCreation, MidCopy, AfterTheLastByte, BeforeTheRename };
    // Asks for the stop when the third Child reaches the stage.
    class Stopper : public SplitFiles, public SplitListener {
    public:
        Stopper(Stage stage, std::string third) : stage_(stage), third_(std::move(third)) {}
        ChildCreation createChild(const std::string& path, const std::string& motherPath,
                                  const std::string& temporary) override
        {
            const ChildCreation created = SplitFiles::createChild(path, motherPath, temporary);
            thirdStream_ = path == third_ ? created.stream : nullptr;
            return created;
        }
        bool close(std::FILE* stream) override
        {
            const bool closed = SplitFiles::close(stream);
            askAt(Stage::BeforeTheRename, stream == thirdStream_);
            return closed;
        }
        void childStarted(const PlannedChild& c) override { askAt(Stage::BeforeCreation, c.number == 3); }
        void bytesCopied(const PlannedChild& c, std::uint64_t copied) override
        {
            askAt(Stage::MidCopy, c.number == 3 && copied < c.sampleBytes);
        }
        void samplesCopied(const PlannedChild& c) override { askAt(Stage::AfterTheLastByte, c.number == 3); }

        SplitStopRequest request;

    private:
        void askAt(Stage stage, bool third)
        {
            if (stage == stage_ && third) {
                request.request(130);
            }
        }
        Stage stage_;
        std::string third_;
        std::FILE* thirdStream_ = nullptr;
    };
    const std::uint32_t piece = TRANSFER_BYTES + 1000;  // two transfers a Child
    const struct {
        Stage stage;
        std::optional<bool> removed;
    } cases[] = {{Stage::BeforeCreation, {}},
                 {Stage::MidCopy, true},
                 {Stage::AfterTheLastByte, true},
                 {Stage::BeforeTheRename, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.stage));
        const SplitPlan plan = planFourChildren(1024, piece);
        Stopper stopper(c.stage, child(3));
        const SplitOutcome outcome = writeSplit(plan, stopper, stopper, stopper.request);
        EXPECT_EQ(outcome.stop, SplitStop::Stopped);
        EXPECT_EQ(outcome.childAt, std::optional<std::size_t>(2));
        EXPECT_EQ(outcome.childrenKept, 2u);
        EXPECT_EQ(outcome.childRemoved, c.removed);
        std::vector<std::string> left;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path("."))) {
            left.push_back(entry.path().filename().string());
        }
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, (std::vector<std::string>{"c1.WAV", "c2.WAV", "m.wav"}));
        EXPECT_EQ(std::filesystem::file_size(child(2)), 44u + piece);
        std::filesystem::remove(child(1));
        std::filesystem::remove(child(2));
    }
}

// A Child's name that has come to lead to the Mother while the Child was written is refused at
// the rename: the Mother keeps its bytes and the temporary file goes.
TEST_F(SplitWriter, TheNameThatCountsIsCheckedAgainstTheMotherAtTheRename)
{
    class LinkedMeanwhile : public SplitFiles {
    public:
        explicit LinkedMeanwhile(std::string mother, std::string second) : mother_(mother), second_(second) {}
        bool close(std::FILE* stream) override
        {
            if (!std::filesystem::exists(second_)) {
                std::filesystem::create_hard_link(mother_, second_);
            }
            return SplitFiles::close(stream);
        }

    private:
        std::string mother_;
        std::string second_;
    };
    const SplitPlan plan = planFourChildren();
    const auto motherBytes = std::filesystem::file_size(plan.mother.path);
    LinkedMeanwhile files(plan.mother.path, child(1));
    Events events;
    const SplitOutcome outcome = writeSplit(plan, files, events);
    EXPECT_EQ(outcome.stop, SplitStop::ChildIsMother);
    EXPECT_EQ(outcome.childrenKept, 0u);
    EXPECT_EQ(outcome.childRemoved, std::optional<bool>(true));
    EXPECT_EQ(std::filesystem::file_size(plan.mother.path), motherBytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path(".")), {}), 2);
}
