#include "cli/CliRun.h"
#include "cli/BuildText.h"
#include "cli/ConsoleProgress.h"
#include "cli/StandardInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "splitwindow/SplitFixture.h"
#include "support/MarkedMother.h"
#include "support/Processes.h"

namespace {

constexpr std::uint32_t ONE_MINUTE = 10584000;  // data size of a canonical 60 s Mother

// One split done both ways: the window's commands through the test double, and the command line.
struct SameSplit {
    const char* what = nullptr;
    std::vector<std::string> options;
    int windowSplit = 0;  // the menu command that opens the split dialog
    // The canonical Mother, the 24-bit 48 kHz one whose header was never finished, or the one
    // with markers.
    enum { Canonical, Other, Marked, Clocked } mother = Canonical;
};

class CliRun : public SplitFixture {
protected:
    int run(std::vector<std::string> args, bool terminal = false, SplitStopRequest* stop = nullptr)
    {
        out.str({});
        err.str({});
        const CliConsole console{out, err, terminal, stop};
        return runCli(args, console);
    }

    // Every file named the stem, a digit and more, in the order of their names.
    std::vector<std::string> childrenOf(const std::string& stem) const
    {
        std::vector<std::string> found;
        const std::filesystem::path folderPath = std::filesystem::path(folder.path("x")).parent_path();
        for (const auto& entry : std::filesystem::directory_iterator(folderPath)) {
            const std::string name = entry.path().filename().string();
            if (name.size() > stem.size() && name.compare(0, stem.size(), stem) == 0 &&
                std::isdigit(static_cast<unsigned char>(name[stem.size()])) != 0) {
                found.push_back(entry.path().string());
            }
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    std::ostringstream out;
    std::ostringstream err;
};

}  // namespace

TEST_F(CliRun, WritesTheWindowsChildrenByteForByte)
{
    loadMotherOf(ONE_MINUTE);
    // A template with its own format fields (22 050 Hz mono) and 2.5 s of data at the program's rate.
    HeaderBytes like = pcmHeader(441000);
    writeLe32(22050, &like[SAMPLE_RATE_AT]);
    like[CHANNELS_AT] = 1;
    // It keeps an editor's LIST chunk between its fmt and data chunks, so its first 44 bytes are no
    // header: both programs carry the header made from its fmt chunk, which is `like`.
    std::vector<std::uint8_t> likeFile(like.begin(), like.begin() + 36);
    likeFile.insert(likeFile.end(), {'L', 'I', 'S', 'T', 4, 0, 0, 0, 'I', 'N', 'F', 'O'});
    likeFile.insert(likeFile.end(), like.begin() + 36, like.end());
    const std::string likePath = folder.write("like.wav", likeFile);
    const std::string canonicalPath = motherPath;
    // 24-bit stereo 48 kHz, data size 0xFFFFFFFF, 10.5 s of samples and half a frame: the window
    // cuts it at its 6-byte frames and heads its Children with its own format.
    HeaderBytes other = pcmHeader(0);
    writeLe32(48000, &other[SAMPLE_RATE_AT]);
    writeLe32(288000, &other[BYTE_RATE_AT]);
    other[BLOCK_ALIGN_AT] = 6;
    other[BITS_PER_SAMPLE_AT] = 24;
    writeLe32(0xFFFFFFFF, &other[DATA_SIZE_AT]);
    std::vector<std::uint8_t> otherFile(other.begin(), other.end());
    for (std::uint32_t i = 0; i < 3024003; ++i) {
        otherFile.push_back(static_cast<std::uint8_t>(i * 13 + i / 509));
    }
    const std::string otherPath = folder.write("other.wav", otherFile);
    const std::string markedPath = folder.write("marked.wav", markedMother());
    const std::string clockedPath = folder.write("clocked.wav", clockedMother());
    const std::string labels = folder.write("marked.txt", ascii(MARKED_LABELS));
    const std::string sheet = folder.write("marked.cue", ascii(MARKED_CUE_SHEET));

    const std::vector<SameSplit> splits = {
        {"every 10 s", {"--every", "10s"}, IDM_SPLIT_TO_CHILDREN},
        {"six pieces", {"--pieces", "6"}, IDM_SPLIT_TO_CHILDREN},
        {"five pieces of another format", {"--pieces", "5"}, IDM_SPLIT_TO_CHILDREN, SameSplit::Other},
        {"at its markers", {"--at-markers"}, IDM_SPLIT_TO_CHILDREN, SameSplit::Marked},
        {"at a label list", {"--at-labels", labels}, IDM_SPLIT_TO_CHILDREN, SameSplit::Marked},
        {"at a CUE sheet", {"--at-cue", sheet}, IDM_SPLIT_TO_CHILDREN, SameSplit::Marked},
        {"at silences below -50 dB of 400 ms",
         {"--at-silence", "--silence-db", "-50", "--silence-min", "400ms"},
         IDM_SPLIT_TO_CHILDREN,
         SameSplit::Marked},
        {"every 2 s of another format", {"--every", "2s"}, IDM_SPLIT_TO_CHILDREN, SameSplit::Other},
        {"like a template from piece 20 in blocks of 500",
         {"--like", likePath, "--from", "20", "--block", "500"},
         IDM_ALLSPLIT},
        {"on the clock every minute, named by it", {"--every", "1m", "--align"}, IDM_ALLSPLIT, SameSplit::Clocked},
    };
    for (const SameSplit& split : splits) {
        SCOPED_TRACE(split.what);
        const std::string name = "w" + std::to_string(&split - splits.data());
        motherPath = split.mother == SameSplit::Other     ? otherPath
                     : split.mother == SameSplit::Marked  ? markedPath
                     : split.mother == SameSplit::Clocked ? clockedPath
                                                          : canonicalPath;
        fake.pick(motherPath);
        ASSERT_TRUE(dispatchCommand(ctx, IDM_LOAD));
        if (split.mother == SameSplit::Clocked) {
            fake.answer(1);
            dispatchCommand(ctx, IDM_MARKS_CLOCK);
            state.likeChosen = 1;    // ALLSPLIT's refusals stay: a template was chosen once
            state.startPattern = 0;  // and the piece before it set its pattern: all from the first
        } else if (split.options[0] == "--every") {
            fake.answer(std::stoi(split.options[1]));
            dispatchCommand(ctx, IDM_CUT_SECONDS);
        } else if (split.options[0] == "--pieces") {
            fake.answer(std::stoi(split.options[1]));
            dispatchCommand(ctx, IDM_CUT_COUNT);
        } else if (split.options[0] == "--at-markers") {
            dispatchCommand(ctx, IDM_MARKS_MARKERS);
        } else if (split.options[0] == "--at-labels" || split.options[0] == "--at-cue") {
            fake.pick(split.options[1]);
            dispatchCommand(ctx, split.options[0] == "--at-cue" ? IDM_MARKS_CUE : IDM_MARKS_LABELS);
        } else if (split.options[0] == "--at-silence") {
            fake.answer(50);
            fake.answer(400);
            dispatchCommand(ctx, IDM_MARKS_SILENCE);
        } else {
            fake.pick(likePath);
            dispatchCommand(ctx, IDM_CUT_LIKE);
            fake.answer(20);
            dispatchCommand(ctx, IDM_PATTERN);
            fake.answer(500);
            dispatchCommand(ctx, IDM_BUFFER_SIZE);
        }
        nameChildren(name);
        fake.dialogAnswers.push_back(DialogAnswer::Start);
        ASSERT_TRUE(dispatchCommand(ctx, split.windowSplit));
        const std::string timeCaption =
            split.windowSplit == IDM_ALLSPLIT ? " Verarbeitungsdauer = " : " time for job = ";
        ASSERT_EQ(fake.boxes.back().caption, timeCaption);

        std::vector<std::string> args = split.options;
        if (split.mother == SameSplit::Clocked) {
            // The window's names: the stem, the number and the start, in the system's zone.
            args.insert(args.end(), {"--tz", "local", "--time-name", "c" + name + "%N-%Y-%m-%d_%H-%M-%S"});
        } else if (split.mother != SameSplit::Marked) {
            args.push_back("--window-rules");
        }
        args.insert(args.end(), {"--name", folder.path("c" + name), "--quiet", motherPath});
        ASSERT_EQ(run(args), EXIT_DONE) << err.str();
        EXPECT_EQ(err.str().empty(), split.mother != SameSplit::Other) << err.str();  // the unfinished header's warning

        const std::vector<std::string> window = childrenOf(name);
        const std::vector<std::string> console = childrenOf("c" + name);
        ASSERT_FALSE(window.empty());
        ASSERT_EQ(console.size(), window.size());
        for (std::size_t i = 0; i < window.size(); ++i) {
            SCOPED_TRACE(console[i]);
            EXPECT_TRUE(readWhole(console[i]) == readWhole(window[i]));
        }
    }
    // Literal sizes: five full 10 s Children and a short sixth; six pieces with no remainder kept;
    // from piece 20 of 2.5 s, Children 20 to 24 and the short rest.
    EXPECT_EQ(std::filesystem::file_size(child("cw0", 5)), 1764044u);
    EXPECT_EQ(std::filesystem::file_size(child("cw0", 6)), 1763912u);
    EXPECT_EQ(childrenOf("cw1").size(), 6u);
    EXPECT_FALSE(exists(child("cw1", 7)));
    EXPECT_FALSE(exists(child("cw8", 1)));
    EXPECT_TRUE(childHolds(child("cw8", 20), 441000, 44 + 19 * 441000ull, like));
    EXPECT_TRUE(exists(child("cw8", 24)));
    // At the marks, named by them after the first: markers, labels and the CUE sheet alike.
    for (const char* stem : {"w3", "w4", "w5"}) {
        EXPECT_EQ(childrenOf(stem), (std::vector<std::string>{folder.path(stem + std::string("1.WAV")),
                                                              folder.path(stem + std::string("2-intro_ one.WAV")),
                                                              folder.path(stem + std::string("3-b.WAV"))}));
    }
    EXPECT_EQ(childrenOf("w6").size(), 3u);
    // On the clock: the same two Children of 5 000 frames, named alike after the stem and number.
    const std::vector<std::string> clocked = childrenOf("w9");
    ASSERT_EQ(clocked.size(), 2u);
    EXPECT_EQ(std::filesystem::file_size(clocked[1]), 36u + 8 + 602 + 8 + 10000);
    EXPECT_EQ(childrenOf("cw9")[1], folder.path("c" + std::filesystem::path(clocked[1]).filename().string()));
    // A fifth of the 3 023 932 bytes offered is 604 784 at the cut arithmetic's frames, 604 782 at
    // the Mother's 6-byte frames; each Child headed 24-bit stereo 48 kHz.
    EXPECT_EQ(childrenOf("cw2").size(), 5u);
    const std::vector<std::uint8_t> fifth = readWhole(child("cw2", 5));
    ASSERT_EQ(fifth.size(), 44u + 604782u);
    EXPECT_EQ(std::vector<std::uint8_t>(fifth.begin() + 20, fifth.begin() + 44),
              (std::vector<std::uint8_t>{1, 0, 2,  0, 0x80, 0xBB, 0,   0,   0x00, 0x65, 0x04, 0,
                                         6, 0, 24, 0, 'd',  'a',  't', 'a', 0x6E, 0x3A, 0x09, 0}));
    EXPECT_TRUE(std::equal(fifth.begin() + 44, fifth.end(), otherFile.begin() + 44 + 4 * 604782));
    // 2 s in the Mother's own time, 288 000 bytes a second: five Children of 96 000 frames, and the
    // rest of the 3 023 932 bytes offered, 64 bytes shorter, as the sixth.
    EXPECT_EQ(childrenOf("cw7").size(), 6u);
    EXPECT_EQ(std::filesystem::file_size(child("cw7", 5)), 44u + 576000u);
    EXPECT_EQ(std::filesystem::file_size(child("cw7", 6)), 44u + 143868u);
}

TEST_F(CliRun, NamesChildrenAfterTheMotherAndTellsEachOneWhenNotOnATerminal)
{
    loadMotherOf(ONE_MINUTE, 0, "take.wav");
    ASSERT_EQ(run({"--every", "20s", motherPath}), EXIT_DONE) << err.str();
    const std::string stem = folder.path("take");
    EXPECT_EQ(err.str().substr(0, err.str().rfind('\n', err.str().size() - 2) + 1),
              stem + "1.WAV  3528044 bytes\n" + stem + "2.WAV  3528044 bytes\n" + stem + "3.WAV  3528044 bytes\n");
    EXPECT_NE(err.str().find("\n3 Children, 10584132 bytes in "), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");

    ASSERT_EQ(run({"--every", "20s", motherPath}, true), EXIT_DONE) << err.str();
    EXPECT_NE(err.str().find("\r[##############################] 100 %  3/3 Children  "), std::string::npos)
        << err.str();

    // From piece 2 of 0.01 s (441 frames) on: nine full Children and a tenth of the 33 frames left.
    // The bar counts Mother samples from piece 2 on, not the 44-byte headers, against ten.
    loadMotherOf(10 * 1764 + 64 + 68, 0, "beat.wav");
    ASSERT_EQ(run({"--every", "0.01s", "--from", "2", motherPath}, true), EXIT_DONE) << err.str();
    std::vector<int> percents;
    std::string bar = err.str();
    for (std::size_t at = bar.find('\r'); at != std::string::npos; at = bar.find('\r', at + 1)) {
        int percent = -1;
        int expected = -1;
        ASSERT_EQ(std::sscanf(bar.c_str() + at, "\r[%*[#.]] %d %%  %*d/%d Children", &percent, &expected), 2) << bar;
        EXPECT_EQ(expected, 10);
        if (percents.empty() || percents.back() != percent) {
            percents.push_back(percent);
        }
    }
    EXPECT_EQ(percents, (std::vector<int>{11, 22, 33, 44, 55, 66, 77, 88, 99, 100}));
    EXPECT_NE(bar.find("\n10 Children, 16448 bytes in "), std::string::npos) << bar;
}

TEST_F(CliRun, DryRunListsThePlanAndWritesNothing)
{
    loadMotherOf(ONE_MINUTE, 0, "take.wav");
    // A file of the remainder's name, which the window's how-many split would create and remove.
    const std::string keep = folder.write("take7.WAV", {'k', 'e', 'e', 'p'});
    // What a killed run left, and what a running one writes: only the first is named.
    const std::string leftover = folder.path("take." + std::to_string(endedProcessId()) + "-1234abcd.part");
    std::filesystem::create_directory(leftover);
    std::filesystem::create_directory(folder.path("take." + std::to_string(runningProcessId()) + "-1234abcd.part"));
    const std::size_t files = filesInFolder();

    ASSERT_EQ(run({"--pieces", "6", "--from", "5", "--dry-run", motherPath}), EXIT_DONE) << err.str();
    const std::string stem = folder.path("take");
    EXPECT_EQ(out.str(), stem + "5.WAV  1764044 bytes  441000 frames  10 s  from 40 s (frame 1764000)\n" + stem +
                             "6.WAV  1764044 bytes  441000 frames  10 s  from 50 s (frame 2205000)\n" + leftover +
                             "  leftover of a stopped run: the split removes it\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(filesInFolder(), files);
    EXPECT_EQ(readWhole(keep), (std::vector<std::uint8_t>{'k', 'e', 'e', 'p'}));

    // The second Child would bear the Mother's name: the list stops before it, as the split would.
    loadMotherOf(ONE_MINUTE, 0, "take2.WAV");
    EXPECT_EQ(run({"--every", "20s", "--name", stem, "--dry-run", motherPath}), EXIT_REFUSED);
    EXPECT_EQ(out.str(), stem + "1.WAV  3528044 bytes  882000 frames  20 s  from 0 s (frame 0)\n" + leftover +
                             "  leftover of a stopped run: the split removes it\n");
    EXPECT_EQ(err.str(), "morlando-split: CHILD name is the MOTHER Wavfile\n  " + motherPath + "\n  " + motherPath +
                             "\n  split stopped, the MOTHER is unchanged\n");
}

// A 24-bit stereo 48 kHz Mother of 25 s and 7 frames of silence whose header was never finished:
// the planning's warnings are told, the unfinished header on standard error and the silences
// that give no cut on standard output, before the plan's lines in the Mother's own time.
TEST_F(CliRun, DryRunGivesFramesAndDurationsInTheMothersTimeAfterThePlanningsWarnings)
{
    HeaderBytes header = pcmHeader(0xFFFFFFFF);
    writeLe32(48000, &header[SAMPLE_RATE_AT]);
    writeLe32(288000, &header[BYTE_RATE_AT]);
    header[BLOCK_ALIGN_AT] = 6;
    header[BITS_PER_SAMPLE_AT] = 24;
    const std::string path = folder.writeWav("mother.wav", header, 44 + 7200042);
    const std::string kid = folder.path("kid");
    const std::string warning = "morlando-split: warning: the header's data size is not the file's\n  " + path +
                                "\n  data size in the header = 4294967295\n  data size used = 7200042\n"
                                "  the samples are the bytes to the end of the file, in whole frames\n";

    ASSERT_EQ(run({"--every", "10s", "--dry-run", "--name", kid, path}), EXIT_DONE) << err.str();
    EXPECT_EQ(err.str(), warning);
    EXPECT_EQ(out.str(), kid + "1.WAV  2880044 bytes  480000 frames  10 s  from 0 s (frame 0)\n" + kid +
                             "2.WAV  2880044 bytes  480000 frames  10 s  from 10 s (frame 480000)\n" + kid +
                             "3.WAV  1440086 bytes  240007 frames  5.000146 s  from 20 s (frame 960000)\n");

    ASSERT_EQ(run({"--at-silence", "--dry-run", "--name", kid, path}), EXIT_DONE) << err.str();
    EXPECT_EQ(err.str(), warning);
    EXPECT_EQ(out.str(), "no silence found: the MOTHER stays one Child\n" + kid +
                             "1.WAV  7200086 bytes  1200007 frames  25.000146 s  from 0 s (frame 0)\n");
    EXPECT_FALSE(exists(kid + "1.WAV"));
    EXPECT_EQ(framesAsSeconds(12000, 48000), "0.25 s");
    EXPECT_EQ(framesAsSeconds(95999999, 96000000), "1 s");  // 0.99999999 s to the nearest millionth
}

// A stop asked for before the first Child (the writer looks at it there as everywhere else):
// nothing is written, the message says so, and the status is the one asked for.
TEST_F(CliRun, AStopFromOutsideIsToldWithTheChildrenComplete)
{
    loadMotherOf(ONE_MINUTE, 0, "take.wav");
    SplitStopRequest stop;
    stop.request(143);
    stop.request(130);  // a second stop keeps the first one's status
    EXPECT_EQ(run({"--every", "10s", motherPath}, false, &stop), 143);
    EXPECT_EQ(err.str(), "morlando-split: split stopped from outside\n  complete CHILDREN = 0\n"
                         "  no incomplete CHILD is left\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(CliRun, RefusesWithTheFileAndTheCauseAndLeavesNoChild)
{
    loadMotherOf(ONE_MINUTE, 0, "take1.WAV");
    const std::string missing = folder.path("missing.wav");
    EXPECT_EQ(run({"--every", "10s", missing}), EXIT_REFUSED);
    EXPECT_EQ(err.str(),
              "morlando-split: MOTHER Wavfile cannot be opened\n  " + missing + "\n  No such file or directory\n");

    // The first Child of the stem "take" would be the Mother itself.
    EXPECT_EQ(run({"--every", "10s", "--name", folder.path("take"), motherPath}), EXIT_REFUSED);
    EXPECT_EQ(err.str(), "morlando-split: CHILD name is the MOTHER Wavfile\n  " + motherPath + "\n  " + motherPath +
                             "\n  split stopped, the MOTHER is unchanged\n");
    EXPECT_TRUE(readWhole(motherPath) == mother);

    EXPECT_EQ(run({"--pieces", "2646001", motherPath}), EXIT_REFUSED);
    EXPECT_EQ(err.str(),
              "morlando-split: more pieces than the MOTHER has frames\n  " + motherPath + "\n  frames = 2646000\n");

    const std::string shortLike = folder.write("short.wav", {'R', 'I', 'F', 'F'});
    EXPECT_EQ(run({"--like", shortLike, motherPath}), EXIT_REFUSED);
    EXPECT_EQ(err.str(), "morlando-split: LIKE Wavfile is shorter than its 44-byte header\n  " + shortLike +
                             "\n  header bytes read = 4\n");

    const HeaderBytes empty = pcmHeader(0);
    const std::string emptyLike = folder.write("empty.wav", std::vector<std::uint8_t>(empty.begin(), empty.end()));
    EXPECT_EQ(run({"--like", emptyLike, motherPath}), EXIT_REFUSED);
    EXPECT_EQ(err.str(), "morlando-split: LIKE Wavfile gives no piece length\n  " + emptyLike + "\n  data size = 0\n");

    const std::string noFolder = folder.path("gone") + "/kid";
    EXPECT_EQ(run({"--every", "10s", "--name", noFolder, motherPath}), EXIT_REFUSED);
    EXPECT_EQ(err.str(), "morlando-split: CHILD Wavfile cannot be created\n  " + noFolder +
                             "1.WAV\n  No such file or directory\n");

    EXPECT_EQ(filesInFolder(), 3u);  // the Mother and the two templates, nothing else
}

// What is no Mother is refused for the same cause whether it comes as a file or on standard input.
TEST_F(CliRun, BytesThatAreNoMotherAreRefusedAlikeFromAFileAndFromStandardInput)
{
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::string said;  // after the caption's line and the name's
    };
    std::vector<std::uint8_t> noise(100000);
    std::uint32_t seed = 12345;
    for (std::uint8_t& byte : noise) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(seed >> 16);
    }
    const std::vector<Case> cases = {
        {"100 000 random bytes", noise, "MOTHER Wavfile is not a RIFF WAVE file\n  %s\n"},
        {"20 random bytes",
         {noise.begin(), noise.begin() + 20},
         "MOTHER Wavfile is shorter than its 44-byte header\n  %s\n  header bytes read = 20\n"},
        {"12 bytes of a RIFF WAVE",
         {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'},
         "MOTHER Wavfile is shorter than its 44-byte header\n  %s\n  header bytes read = 12\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto told = [&c](const std::string& name) {
            std::string said = "morlando-split: " + c.said;
            said.replace(said.find("%s"), 2, name);
            return said;
        };
        const std::string file = folder.write("noise.wav", c.bytes);
        EXPECT_EQ(run({"--every", "10s", file}), EXIT_REFUSED);
        EXPECT_EQ(err.str(), told(file));

        std::size_t at = 0;
        const StandardInput input{[&](std::uint8_t* into, std::size_t most) {
                                      const std::size_t count = std::min(most, c.bytes.size() - at);
                                      std::copy_n(c.bytes.begin() + static_cast<std::ptrdiff_t>(at), count, into);
                                      at += count;
                                      return StreamRead{count, count == 0, 0};
                                  },
                                  nullptr, nullptr};
        err.str({});
        const CliConsole console{out, err, false, nullptr, nullptr, true, &input};
        EXPECT_EQ(runCli({"--every", "10s", "--name", folder.path("kid"), "-"}, console), EXIT_REFUSED);
        EXPECT_EQ(err.str(), told("standard input"));
    }

    std::filesystem::create_directory(folder.path("takes.wav"));
    EXPECT_EQ(run({"--every", "10s", folder.path("takes.wav")}), EXIT_REFUSED);
    EXPECT_EQ(err.str(),
              "morlando-split: MOTHER Wavfile is a folder, not a file\n  " + folder.path("takes.wav") + "\n");
    EXPECT_FALSE(exists(folder.path("kid1.WAV")));
}

// Several Mothers on one line: the same rule for each, one refused without stopping the others.
struct Batch {
    const char* what = nullptr;
    std::vector<std::string> args;
    int status = EXIT_DONE;
    std::string errEnds;      // the summary, or the usage
    std::string childFolder;  // where the Children of take.wav and c.wav are expected, or none
    std::string errHolds;     // a message said before it
};

TEST_F(CliRun, SplitsEveryMotherOfTheLineAndExitsWithTheWorst)
{
    loadMotherOf(2 * 176400, 0, "c.wav");  // 2 s and 3 s of 16-bit stereo 44.1 kHz
    const std::string c = motherPath;
    std::filesystem::create_directory(folder.path("a"));
    std::filesystem::create_directory(folder.path("out"));
    const std::string aTake = folder.path("a/take.wav");
    std::filesystem::copy_file(c, aTake);
    loadMotherOf(3 * 176400, 0, "take.wav");  // the longest, so that `mother` holds every Child's bytes
    const std::string take = motherPath;
    const std::string bad = folder.write("bad.wav", {'R', 'I', 'F', 'F'});
    const std::string into = folder.path("out");
    const std::string summary = "morlando-split: 3 MOTHER Wavfiles:\n  " + take + ": split into 3 Children\n  ";
    const std::string cSplit = "  " + c + ": split into 2 Children\n";
    const std::string refused = bad + ": refused: MOTHER Wavfile is shorter than its 44-byte header\n";
    const std::string badSaid =
        "morlando-split: MOTHER Wavfile is shorter than its 44-byte header\n  " + bad + "\n  header bytes read = 4\n";
    const std::string taken =
        aTake + ": refused: the Children's names are taken by an earlier MOTHER of this command\n";

    const std::vector<Batch> batches = {
        {"one refused among three",
         {"--every", "1s", take, bad, c},
         EXIT_REFUSED,
         summary + refused + cSplit,
         folder.path(""),
         badSaid},
        {"two at a time",
         {"--every", "1s", "--jobs", "2", take, bad, c},
         EXIT_REFUSED,
         summary + refused + cSplit,
         folder.path(""),
         badSaid},
        {"a stem taken in the --into folder",
         {"--every", "1s", "--into", into, take, aTake, c},
         EXIT_REFUSED,
         summary + taken + cSplit,
         into + "/",
         "morlando-split: the Children's names are taken by an earlier MOTHER of this command\n  " + aTake + "\n  " +
             take +
             "\n  in one folder, a stem equal to another, or another followed by digits, gives Children of the "
             "same names\n"},
        {"--name with two",
         {"--every", "1s", "--name", into + "/x", take, c},
         EXIT_USAGE,
         "morlando-split: --name: one MOTHER.wav only, not also " + c +
             " (several take --into DIR)\n"
             "usage: morlando-split [OPTIONS] MOTHER.wav...   (morlando-split --help lists the options)\n",
         "",
         ""},
    };
    for (const Batch& batch : batches) {
        SCOPED_TRACE(batch.what);
        for (const std::string& place : {folder.path(""), into + "/", folder.path("a/")}) {
            for (const char* stem : {"take", "c", "x"}) {
                for (int n = 1; n <= 4; ++n) {
                    std::filesystem::remove(place + stem + std::to_string(n) + ".WAV");
                }
            }
        }
        const std::size_t files = filesInFolder();
        EXPECT_EQ(run(batch.args), batch.status);
        const std::string said = err.str();
        ASSERT_GE(said.size(), batch.errEnds.size()) << said;
        EXPECT_EQ(said.substr(said.size() - batch.errEnds.size()), batch.errEnds) << said;
        EXPECT_NE(said.find(batch.errHolds), std::string::npos) << said;
        if (batch.childFolder.empty()) {
            EXPECT_EQ(filesInFolder(), files);
            continue;
        }
        for (std::uint32_t k = 0; k < 3; ++k) {
            EXPECT_TRUE(
                childHolds(batch.childFolder + "take" + std::to_string(k + 1) + ".WAV", 176400, 44 + k * 176400ull));
        }
        for (std::uint32_t k = 0; k < 2; ++k) {
            EXPECT_TRUE(
                childHolds(batch.childFolder + "c" + std::to_string(k + 1) + ".WAV", 176400, 44 + k * 176400ull));
        }
        EXPECT_FALSE(exists(batch.childFolder + "take4.WAV"));
        EXPECT_FALSE(exists(batch.childFolder + "c3.WAV"));
        EXPECT_FALSE(exists(folder.path("a/take1.WAV")));
    }
}

TEST_F(CliRun, AWrongLineGetsTheUsageAndHelpAndVersionAnswer)
{
    EXPECT_EQ(run({"--every", "10s"}), EXIT_USAGE);
    EXPECT_EQ(err.str(), "morlando-split: no MOTHER.wav given\n"
                         "usage: morlando-split [OPTIONS] MOTHER.wav...   (morlando-split --help lists the options)\n");
    EXPECT_EQ(out.str(), "");

    EXPECT_EQ(run({"--help"}), EXIT_DONE);
    for (const char* shown :
         {"usage: morlando-split [OPTIONS] MOTHER.wav...\n", "  --every LENGTH", "  --pieces N",
          "  --like TEMPLATE.wav", "  --from N", "  --name PATH/STEM", "  --block BYTES", "  --dry-run", "  --into DIR",
          "  --jobs N", "  -q, --quiet", "  --version", "  morlando-split --every 10s take.wav"}) {
        EXPECT_NE(out.str().find(shown), std::string::npos) << shown;
    }
    EXPECT_EQ(run({"--version"}), EXIT_DONE);
    // The version, then how this very build was made (the tests' build: not the one packaged).
    EXPECT_EQ(out.str(), "morlando-split 1.0\n" + buildLine(thisBuild()) + "\n");
    EXPECT_EQ(out.str().rfind("morlando-split 1.0\nbuild: ", 0), 0u) << out.str();
}

namespace {

// 16-bit mono at `rate`, `frames` long, with a bext when one is given.
Bytes monoMother(std::uint32_t rate, std::uint32_t frames, const Bytes& bext = {})
{
    const Bytes fmt = join(
        {ascii("fmt "), le32(16), {0x01, 0x00, 0x01, 0x00}, le32(rate), le32(rate * 2), {0x02, 0x00}, {0x10, 0x00}});
    Bytes samples(std::size_t{frames} * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::uint8_t>(i * 7 + i / 3);
    }
    return join({riffWave(0, 0), fmt, bext.empty() ? Bytes{} : chunkOf("bext", bext), chunkOf("data", samples)});
}

// The stream of these bytes, 4 099 at most a read, so that frames are cut between reads.
StandardInput inputOf(const Bytes& bytes, std::size_t& at)
{
    StandardInput input;
    input.read = [&bytes, &at](std::uint8_t* into, std::size_t most) {
        const std::size_t count = std::min({most, bytes.size() - at, std::size_t{4099}});
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), count, into);
        at += count;
        return StreamRead{count, at == bytes.size(), 0};
    };
    return input;
}

}  // namespace

TEST_F(CliRun, CutsOnTheWallClockAndNamesEachChildByItsStartFromAFileAndAStream)
{
    const Bytes take = monoMother(48000, 125 * 48000);
    motherPath = folder.write("take.wav", take);
    const std::vector<std::string> minute = {"--tz",    "UTC",         "--every",          "1m",
                                             "--align", "--time-name", "%Y-%m-%d_%H-%M-%S"};
    struct Case {
        const char* what;
        std::vector<std::string> more;
        bool stream;
    };
    const Case cases[] = {
        {"a file", {"--start", "2026-12-10T13:59:30", "--name", folder.path("file/take"), motherPath}, false},
        {"a stream", {"--start", "2026-12-10T14:59:30+01:00", "--name", folder.path("stream/take"), "-"}, true},
        {"a stream from now", {"--start", "now", "--name", folder.path("now/take"), "-"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> args = minute;
        args.insert(args.end(), c.more.begin(), c.more.end());
        std::size_t at = 0;
        const StandardInput input = inputOf(take, at);
        CliConsole console{out, err, false, nullptr};
        console.input = c.stream ? &input : nullptr;
        console.clock = [] {
            return (daysOfDate(2026, 12, 10) * SECONDS_PER_DAY + 13 * 3600 + 59 * 60 + 30) * NANOS_PER_SECOND;
        };
        const std::string folderOf = std::filesystem::path(args[args.size() - 2]).parent_path().string() + "/";
        std::filesystem::create_directory(folderOf);
        err.str({});
        ASSERT_EQ(runCli(args, console), EXIT_DONE) << err.str();
        const std::pair<const char*, std::uint64_t> children[] = {{"2026-12-10_13-59-30.WAV", 1440000},
                                                                  {"2026-12-10_14-00-00.WAV", 2880000},
                                                                  {"2026-12-10_14-01-00.WAV", 1680000}};
        for (const auto& [name, frames] : children) {
            SCOPED_TRACE(name);
            EXPECT_EQ(std::filesystem::file_size(folderOf + name), 44 + frames * 2);
        }
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folderOf), {}), 3);
    }

    // A rule on the clock without a start is a line that lacks --start; 7 minutes do not divide a day.
    EXPECT_EQ(run({"--every", "1m", "--align", motherPath}), EXIT_USAGE);
    EXPECT_EQ(err.str(),
              "morlando-split: --start: none given, and " + motherPath +
                  " has no bext date and time to start from (--align and --time-name count from one)\n"
                  "usage: morlando-split [OPTIONS] MOTHER.wav...   (morlando-split --help lists the options)\n");
    EXPECT_EQ(run({"--every", "7m", "--align", "--start", "2026-12-10T13:59:30Z", motherPath}), EXIT_USAGE);
    EXPECT_EQ(err.str().substr(0, err.str().find('\n')),
              "morlando-split: --every 7m --align: the length must divide 24 hours, such as 1m, 15m or 1h");
}

TEST_F(CliRun, DatesTheChildrensBextAtTheirOwnStartAndListsIt)
{
    // A bext from 23:30:00 on 10 December (TimeReference 23.5 h at 10 Hz), an hour long, in UTC.
    Bytes bext(602, 0);
    const std::string when = "2026-12-1023:30:00";
    std::copy(when.begin(), when.end(), bext.begin() + 320);
    const Bytes reference = le32(846000);
    std::copy(reference.begin(), reference.end(), bext.begin() + 338);
    motherPath = folder.write("late.wav", monoMother(10, 36000, bext));
    const std::string list = folder.path("late.csv");
    ASSERT_EQ(run({"-q", "--tz", "UTC", "--every", "1h", "--align", "--list", list, motherPath}), EXIT_DONE)
        << err.str();
    struct Expected {
        int number;
        const char* dateTime;
        std::uint32_t timeReference;
    };
    for (const Expected& e : {Expected{1, "2026-12-1023:30:00", 846000}, Expected{2, "2026-12-1100:00:00", 0}}) {
        SCOPED_TRACE(e.number);
        const Bytes child = readWhole(folder.path("late" + std::to_string(e.number) + ".WAV"));
        ASSERT_GE(child.size(), 36u + 8 + 346);
        EXPECT_EQ(std::string(child.begin() + 36 + 8 + 320, child.begin() + 36 + 8 + 338), e.dateTime);
        EXPECT_EQ(Bytes(child.begin() + 36 + 8 + 338, child.begin() + 36 + 8 + 346),
                  join({le32(e.timeReference), le32(0)}));
    }
    const Bytes csv = readWhole(list);
    const std::string text(csv.begin(), csv.end());
    EXPECT_NE(text.find("title,start_utc,start_local\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(",2,18000,18000,1800.000000,1800.000000,"), std::string::npos) << text;
    EXPECT_NE(text.find(",2026-12-11T00:00:00Z,2026-12-11T00:00:00Z\r\n"), std::string::npos) << text;
}
