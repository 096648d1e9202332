#include "settings/HeaderReportCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The first 44 bytes of a file that holds the default header with RIFF size 36 and data size 0,
// as the dump lists them; \xAC and \xB1 are the raw bytes 172 and 177.
const std::string DEFAULT_HEADER_DUMP = "(82=R)(73=I)(70=F)(70=F)(36=$)(0)(0)(0)\r\n"
                                        "(87=W)(65=A)(86=V)(69=E)(102=f)(109=m)(116=t)(32= )\r\n"
                                        "(16)(0)(0)(0)(1)(0)(2)(0)\r\n"
                                        "(68=D)(172=\xAC)(0)(0)(16)(177=\xB1)(2)(0)\r\n"
                                        "(4)(0)(16)(0)(100=d)(97=a)(116=t)(97=a)\r\n"
                                        "(0)(0)(0)(0)";

class HeaderReports : public ::testing::Test {
protected:
    // Picks the list file (when it is asked for) and the WAV, then runs the report.
    void report(void (*command)(CommandContext&), const std::string& wav)
    {
        if (state.listAsked == 0) {
            fake.pick(list);
        }
        fake.pick(wav);
        command(ctx);
    }

    ScratchFolder folder;
    std::string list = folder.path("list.txt");
    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};
};

}  // namespace

TEST_F(HeaderReports, ValuesOfACanonicalWaveAndAWrappedDifference)
{
    const std::string canonical = folder.writeWav("c.wav", pcmHeader(1000000), 1000044);
    report(listHeaderValues, canonical);
    const std::string canonicalLines = "\r\n\r\n" + canonical +
                                       "\r\n"
                                       "1000044  = FL real FileLength\r\n"
                                       "1000036  = wert_a4\r\n"
                                       "1000000  = wert_b4\r\n"
                                       "8  = FL - wert_a4 \r\n"
                                       "44  = FL - wert_b4 \r\n"
                                       "36  = wert_a4 - wert_b4 \r\n";
    EXPECT_EQ(canonicalLines, fileText(list));
    EXPECT_EQ(1000044u, state.likeFileBytes);
    EXPECT_EQ(pcmHeader(1000000), state.headerBuf);
    EXPECT_EQ(1, state.likeChosen);

    const std::string overlong = folder.writeWav("o.wav", pcmHeader(200), 144);
    report(listHeaderValues, overlong);
    EXPECT_EQ(canonicalLines + "\r\n\r\n" + overlong +
                  "\r\n"
                  "144  = FL real FileLength\r\n"
                  "236  = wert_a4\r\n"
                  "200  = wert_b4\r\n"
                  "4294967204  = FL - wert_a4 \r\n"
                  "4294967240  = FL - wert_b4 \r\n"
                  "36  = wert_a4 - wert_b4 \r\n",
              fileText(list));
    EXPECT_TRUE(fake.boxes.empty());
}

TEST_F(HeaderReports, DumpsGiveEveryByteAndTwoInARowShareALine)
{
    HeaderBytes header = pcmHeader(0);
    const std::string wav = folder.writeWav("d.wav", header, 44);
    report(dumpHeaderBytes, wav);
    EXPECT_EQ(DEFAULT_HEADER_DUMP, fileText(list));

    // Control bytes never show themselves; every byte from 32 up does, 128 to 255 included.
    const std::uint8_t edges[8] = {0, 31, 32, 127, 128, 200, 254, 255};
    std::copy(std::begin(edges), std::end(edges), header.begin());
    folder.writeWav("d.wav", header, 44);
    report(dumpHeaderBytes, wav);
    const std::string second = fileText(list).substr(DEFAULT_HEADER_DUMP.size());
    const std::string firstLine = "(0)(31)(32= )(127=\x7F)(128=\x80)(200=\xC8)(254=\xFE)(255=\xFF)\r\n";
    EXPECT_EQ(firstLine, second.substr(0, firstLine.size()));
    // Listed, but no RIFF file: no header a Child could carry, so no template is left chosen.
    EXPECT_EQ(0, state.likeChosen);
    EXPECT_EQ(pcmHeader(0), state.headerBuf);
}

TEST_F(HeaderReports, TheListFileIsAskedForOnceARun)
{
    const std::string wav = folder.writeWav("d.wav", pcmHeader(0), 44);
    report(dumpHeaderBytes, wav);
    report(listHeaderValues, wav);
    ASSERT_EQ(3u, fake.fileDialogs.size());
    EXPECT_EQ(" select TEXTFILE for 44 HEADER :", fake.fileDialogs[0].title);
    EXPECT_EQ("Wavfile select:", fake.fileDialogs[1].title);
    EXPECT_EQ("Wavfile select :", fake.fileDialogs[2].title);
    const std::string dumpThenPath = DEFAULT_HEADER_DUMP + "\r\n\r\n" + wav;
    EXPECT_EQ(dumpThenPath, fileText(list).substr(0, dumpThenPath.size()));

    // In a new run the values report asks first; its cancelled list pick silences both reports.
    state = AppState{};
    fake = FakePlatform{};
    const std::string before = fileText(list);
    fake.cancelPick();
    fake.pick(wav);
    listHeaderValues(ctx);
    fake.pick(wav);
    dumpHeaderBytes(ctx);
    ASSERT_EQ(3u, fake.fileDialogs.size());
    EXPECT_EQ(" select TEXTfile for LIST :", fake.fileDialogs[0].title);
    EXPECT_EQ("Wavfile select:", fake.fileDialogs[2].title);
    EXPECT_EQ(before, fileText(list));
    EXPECT_EQ(1, state.likeChosen);
}

TEST_F(HeaderReports, UnusableFilesAreNamedInABoxAndNothingIsAppended)
{
    state.headerBuf.fill(0xEE);
    const std::string absent = folder.path("absent.wav");
    const std::string shortWav = folder.writeWav("short.wav", pcmHeader(0), 43);
    report(listHeaderValues, absent);
    report(dumpHeaderBytes, shortWav);
    ASSERT_EQ(2u, fake.boxes.size());
    EXPECT_EQ(" Wavfile cannot be opened: nothing listed ", fake.boxes[0].caption);
    EXPECT_EQ(absent, fake.boxes[0].text);
    EXPECT_EQ(" Wavfile is shorter than its 44-byte header: nothing listed ", fake.boxes[1].caption);
    EXPECT_EQ(shortWav + "\nheader bytes read = 43", fake.boxes[1].text);
    EXPECT_EQ(0, state.likeChosen);
    EXPECT_EQ(0xEE, state.headerBuf[0]);
    EXPECT_FALSE(std::filesystem::exists(list));

    fake.boxes.clear();
    state.listPath = folder.path("missing") + "/list.txt";
    report(dumpHeaderBytes, folder.writeWav("d.wav", pcmHeader(0), 44));
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ(" LIST file cannot be opened for appending ", fake.boxes[0].caption);
    EXPECT_EQ(state.listPath, fake.boxes[0].text);

    // A full disk: the report fits the stream's buffer, so only the close finds out.
    fake.boxes.clear();
    state.listPath = "/dev/full";
    report(dumpHeaderBytes, folder.writeWav("d.wav", pcmHeader(0), 44));
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ(" LIST file cannot be written: the report may be incomplete ", fake.boxes[0].caption);
    EXPECT_EQ("/dev/full", fake.boxes[0].text);
}
