#include "splitwindow/SplitEngine.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "splitwindow/SplitDialogs.h"
#include "splitwindow/SplitFixture.h"
#include "support/WavLayouts.h"

namespace {

constexpr std::uint32_t PIECE = 176400;
constexpr std::uint64_t SAMPLES_AT = 44;

// The real file layer, except that one step on one Child fails as a full disk, a read-only
// folder or a vanishing Mother would make it fail.
class FaultyFiles : public SplitFiles {
public:
    enum class Fault { Create, Header, Block, Close, Read, Flush, ErrorState, Undecidable };

    FaultyFiles(Fault fault, std::string childPath) : fault_(fault), childPath_(std::move(childPath)) {}

    ChildCreation createChild(const std::string& path, const std::string& motherPath,
                              const std::string& temporary) override
    {
        current_ = path == childPath_;
        if (current_ && fault_ == Fault::Create) {
            errno = EACCES;
            return {};
        }
        if (current_ && fault_ == Fault::Undecidable) {
            return {nullptr, Sameness::Unknown};
        }
        const ChildCreation child = SplitFiles::createChild(path, motherPath, temporary);
        failing_ = current_ ? child.stream : nullptr;
        openChildPath_ = temporary;
        return child;
    }

    std::size_t write(std::FILE* stream, const void* from, std::size_t bytes) override
    {
        if (stream == failing_ && ++writes_ == (fault_ == Fault::Header ? 1 : 2) &&
            (fault_ == Fault::Header || fault_ == Fault::Block)) {
            // Half the block reaches the disk, as when it fills up.
            SplitFiles::write(stream, from, bytes / 2);
            errno = ENOSPC;
            return bytes / 2;
        }
        return SplitFiles::write(stream, from, bytes);
    }

    std::size_t read(std::FILE* stream, void* into, std::size_t bytes) override
    {
        if (current_ && fault_ == Fault::Read && ++reads_ == 1) {
            return SplitFiles::read(stream, into, bytes - 1);
        }
        return SplitFiles::read(stream, into, bytes);
    }

    // Wine's runtime answers a failed last write so: the flush fails with an unrelated errno,
    // and the close that follows reports success.
    bool flush(std::FILE* stream) override
    {
        const bool flushed = SplitFiles::flush(stream);
        if (stream == failing_ && fault_ == Fault::Flush) {
            errno = EINVAL;
            return false;
        }
        return flushed;
    }

    // An earlier write took its bytes into the buffer and reported them whole, but failed.
    bool hasError(std::FILE* stream) override
    {
        return (stream == failing_ && fault_ == Fault::ErrorState) || SplitFiles::hasError(stream);
    }

    bool close(std::FILE* stream) override
    {
        openChildPath_.clear();
        const bool closed = SplitFiles::close(stream);
        if (stream == failing_ && fault_ == Fault::Close) {
            errno = ENOSPC;
            return false;
        }
        return closed;
    }

    // A Child that cannot be removed, as a file another program holds open on Windows. Windows
    // also refuses to remove a file that is still open, which this system would allow.
    bool remove(const std::string& path) override
    {
        removedWhileOpen = removedWhileOpen || path == openChildPath_;
        return !refuseRemove && SplitFiles::remove(path);
    }

    bool refuseRemove = false;
    bool removedWhileOpen = false;

private:
    Fault fault_;
    std::string childPath_;
    bool current_ = false;
    std::FILE* failing_ = nullptr;
    int writes_ = 0;
    int reads_ = 0;
    std::string openChildPath_;
};

class SplitFailures : public SplitFixture {
protected:
    // Four seconds of Mother in one-second pieces, named "c".
    void prepare()
    {
        loadMotherOf(4 * PIECE + 68);
        nameChildren("c");
        cutIntoPiecesOf(PIECE);
    }

    void expectOnlyBox(const char* caption, const std::string& textStart)
    {
        ASSERT_EQ(fake.boxes.size(), 1u);
        EXPECT_EQ(fake.boxes[0].owner, FakePlatform::DIALOG);
        EXPECT_EQ(fake.boxes[0].caption, caption);
        EXPECT_EQ(fake.boxes[0].text.substr(0, textStart.size()), textStart) << fake.boxes[0].text;
    }
};

}  // namespace

TEST_F(SplitFailures, FailureOnTheThirdChildKeepsTheFirstTwoAndRemovesTheThird)
{
    struct Case {
        FaultyFiles::Fault fault;
        const char* caption;
        std::string cause;
    };
    const Case cases[] = {
        {FaultyFiles::Fault::Header, " CHILD Wavfile cannot be written ", std::strerror(ENOSPC)},
        {FaultyFiles::Fault::Block, " CHILD Wavfile cannot be written ", std::strerror(ENOSPC)},
        {FaultyFiles::Fault::Close, " CHILD Wavfile cannot be written ", std::strerror(ENOSPC)},
        {FaultyFiles::Fault::Read, " MOTHER Wavfile ended before the CHILD was complete ", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption + c.cause);
        prepare();
        FaultyFiles files(c.fault, child("c", 3));
        runWith(files, SplitDialogKind::SplitToChildren);

        EXPECT_TRUE(childHolds(child("c", 1), PIECE, SAMPLES_AT));
        EXPECT_TRUE(childHolds(child("c", 2), PIECE, SAMPLES_AT + PIECE));
        EXPECT_FALSE(exists(child("c", 3)));
        EXPECT_FALSE(exists(child("c", 4)));
        EXPECT_FALSE(files.removedWhileOpen);
        EXPECT_EQ(state.motherStream, nullptr);
        expectOnlyBox(c.caption, child("c", 3) + "\n" + c.cause);
        fake.boxes.clear();
        std::filesystem::remove(child("c", 1));
        std::filesystem::remove(child("c", 2));
    }
}

// However the runtime tells of a failed last write (a failed flush, an error state, a failed close),
// the Child never counts as done: for Children smaller and larger than the stream buffer, failing
// first or later, the failing Child is removed, those before it stay and no time box follows.
TEST_F(SplitFailures, FailedLastWriteRemovesThatChildWhateverTheRuntimeSays)
{
    const FaultyFiles::Fault faults[] = {FaultyFiles::Fault::Flush, FaultyFiles::Fault::ErrorState,
                                         FaultyFiles::Fault::Close};
    for (const FaultyFiles::Fault fault : faults) {
        for (const std::uint32_t piece : {PIECE, 2 * PIECE}) {
            for (const int failing : {1, 2}) {
                SCOPED_TRACE("fault " + std::to_string(static_cast<int>(fault)) + ", piece " + std::to_string(piece) +
                             ", child " + std::to_string(failing));
                prepare();
                cutIntoPiecesOf(piece);
                FaultyFiles files(fault, child("c", failing));
                runWith(files, SplitDialogKind::SplitToChildren);

                for (int n = 1; n < failing; ++n) {
                    EXPECT_TRUE(childHolds(child("c", n), piece, SAMPLES_AT + (n - 1) * std::uint64_t{piece}));
                }
                EXPECT_EQ(filesInFolder(), static_cast<std::size_t>(failing));  // the Mother and those before
                const std::string cause = fault == FaultyFiles::Fault::Close
                                              ? std::strerror(ENOSPC)
                                              : "the disk may be full or the folder not writable";
                const std::string expected = child("c", failing) + "\n" + cause +
                                             "\nbytes the CHILD should have = " + std::to_string(piece + 44) +
                                             "\nsplit stopped, the incomplete CHILD was removed";
                expectOnlyBox(" CHILD Wavfile cannot be written ", expected);
                EXPECT_EQ(fake.boxes[0].text, expected);
                fake.boxes.clear();
                for (int n = 1; n < failing; ++n) {
                    std::filesystem::remove(child("c", n));
                }
            }
        }
    }
}

TEST_F(SplitFailures, ChildThatCannotBeRemovedIsNotCalledRemoved)
{
    prepare();
    FaultyFiles files(FaultyFiles::Fault::Block, child("c", 2));
    files.refuseRemove = true;
    runWith(files, SplitDialogKind::SplitToChildren);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, child("c", 2) + "\n" + std::strerror(ENOSPC) +
                                      "\nbytes the CHILD should have = 176444\n"
                                      "split stopped, the incomplete CHILD could not be removed: delete it");
}

TEST_F(SplitFailures, ShortReadNamesTheBytesAskedAndRead)
{
    prepare();
    FaultyFiles files(FaultyFiles::Fault::Read, child("c", 1));
    runWith(files, SplitDialogKind::SplitToChildren);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, child("c", 1) + "\n" + motherPath +
                                      "\nbytes asked = 176400\nbytes read = 176399\n"
                                      "split stopped, the incomplete CHILD was removed");
    EXPECT_FALSE(exists(child("c", 1)));
}

TEST_F(SplitFailures, ChildThatCannotBeCreatedStopsTheSplit)
{
    prepare();
    FaultyFiles files(FaultyFiles::Fault::Create, child("c", 2));
    runWith(files, SplitDialogKind::SplitToChildren);
    EXPECT_TRUE(childHolds(child("c", 1), PIECE, SAMPLES_AT));
    EXPECT_FALSE(exists(child("c", 2)));
    EXPECT_EQ(state.motherStream, nullptr);
    expectOnlyBox(" CHILD Wavfile cannot be created ", child("c", 2) + "\n" + std::strerror(EACCES));
}

TEST_F(SplitFailures, ChildInAFolderThatDoesNotExistIsReportedByTheRealFiles)
{
    prepare();
    state.childStem = folder.path("missing/c");
    startNewSplit();
    expectOnlyBox(" CHILD Wavfile cannot be created ", folder.path("missing/c1.WAV") + "\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(SplitFailures, NoPieceLengthWritesNothingAndLeavesTheMotherOpen)
{
    loadMotherOf(4 * PIECE + 68);
    nameChildren("c");
    std::FILE* const stream = state.motherStream;
    const std::int32_t number = state.childNumber;
    startNewSplit();

    expectOnlyBox(" no piece length chosen: cut by time, by number or LIKE a wave first ",
                  " no piece length chosen: cut by time, by number or LIKE a wave first ");
    EXPECT_EQ(state.motherStream, stream);
    EXPECT_EQ(state.childNumber, number);
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(SplitFailures, ChildThatIsTheMotherIsNeverOpened)
{
    // Child 1's name leads to the Mother's own file, as take1.WAV does to take1.wav on Windows.
    loadMotherOf(4 * PIECE + 68, 0, "take.wav");
    std::filesystem::create_hard_link(motherPath, folder.path("c1.WAV"));
    nameChildren("c");
    cutIntoPiecesOf(PIECE);
    startNewSplit();

    EXPECT_EQ(readWhole(motherPath), mother);
    EXPECT_EQ(filesInFolder(), 2u);
    EXPECT_EQ(state.motherStream, nullptr);
    expectOnlyBox(" CHILD name is the MOTHER Wavfile ",
                  child("c", 1) + "\n" + motherPath + "\nsplit stopped, the MOTHER is unchanged");

    // When the file system cannot tell, the Mother is not put at risk either.
    fake.boxes.clear();
    std::filesystem::remove(folder.path("c1.WAV"));
    state.childNumber = 1;
    FaultyFiles files(FaultyFiles::Fault::Undecidable, child("c", 1));
    runWith(files, SplitDialogKind::SplitToChildren);
    EXPECT_EQ(filesInFolder(), 1u);
    expectOnlyBox(" CHILD cannot be told apart from the MOTHER Wavfile ",
                  child("c", 1) + "\n" + motherPath + "\nsplit stopped, the MOTHER is unchanged");
}

TEST_F(SplitFailures, MotherChangedSinceLoadIsRefused)
{
    prepare();
    closeAllStreams(state);
    std::filesystem::resize_file(motherPath, mother.size() + 4);
    startNewSplit();

    expectOnlyBox(" MOTHER Wavfile has changed since it was loaded ",
                  motherPath + "\nfile bytes = " + std::to_string(mother.size() + 4));
    EXPECT_EQ(filesInFolder(), 1u);
    EXPECT_EQ(state.motherStream, nullptr);

    // The same length with another data size in its header (bytes 40-43) is a changed Mother too.
    fake.boxes.clear();
    std::vector<std::uint8_t> changed = mother;
    changed[40] = 0x10;
    folder.write("mother.wav", changed);
    startNewSplit();
    expectOnlyBox(" MOTHER Wavfile has changed since it was loaded ",
                  motherPath + "\nfile bytes = " + std::to_string(mother.size()));
    EXPECT_EQ(filesInFolder(), 1u);

    // Same length, same data size, but a chunk now stands before the samples and moves them.
    fake.boxes.clear();
    loadMotherFile(listAfterDataLayout().bytes);
    closeAllStreams(state);
    const Bytes junk = join({ascii("junk"), {0x0E, 0, 0, 0}, Bytes(14, 0)});
    folder.write("mother.wav", join({riffWave(0x0A, 0x08), FMT_16, junk, DATA_2000, samples(2000)}));
    startNewSplit();
    expectOnlyBox(" MOTHER Wavfile has changed since it was loaded ",
                  motherPath + "\nfile bytes = 2066\ndata size = 2000");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(SplitFailures, MotherGoneSinceLoadIsRefused)
{
    prepare();
    closeAllStreams(state);
    std::filesystem::remove(motherPath);
    startNewSplit();

    expectOnlyBox(" MOTHER Wavfile cannot be opened ", motherPath + "\n");
    EXPECT_EQ(filesInFolder(), 0u);
}

TEST_F(SplitFailures, EscapeAndReadyTouchNoFileButTheHeaderIsPrepared)
{
    prepare();
    state.headerBuf.fill(0);
    for (const DialogAnswer answer : {DialogAnswer::Escape, DialogAnswer::Ready}) {
        fake.dialogAnswers.push_back(answer);
        ASSERT_TRUE(dispatchCommand(ctx, IDM_SPLIT_TO_CHILDREN));
    }
    EXPECT_EQ(filesInFolder(), 1u);
    EXPECT_NE(state.motherStream, nullptr);
    EXPECT_TRUE(fake.boxes.empty());
    // Opening the dialog in a time cut is enough for the default fields.
    EXPECT_EQ(state.headerBuf[24], 0x44);  // 44 100 Hz
    EXPECT_EQ(state.headerBuf[25], 0xAC);
    ASSERT_EQ(fake.dialogs.size(), 2u);
    EXPECT_EQ(fake.dialogs[0].dialogId, 132);  // "NEWSPLIT"
    EXPECT_EQ(fake.dialogs[0].owner, FakePlatform::MAIN_WINDOW);
}
