#include "settings/SettingsCommands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "cut/TemplateHeader.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SettingsCommands : public ::testing::Test {
protected:
    ~SettingsCommands() override { closeAllStreams(state); }

    // Picks the settings file, then answers the pickers of the stored values in turn: a path
    // confirms, nothing cancels.
    void load(const std::string& settingsFile, const std::vector<std::optional<std::string>>& answers = {})
    {
        fake.pick(settingsFile);
        fake.picks.insert(fake.picks.end(), answers.begin(), answers.end());
        loadSettings(ctx, steps);
    }

    void save(const std::string& settingsFile)
    {
        fake.pick(settingsFile);
        saveSettings(ctx);
    }

    std::vector<std::string> dialogTitles() const
    {
        std::vector<std::string> titles;
        for (const FileDialogRequest& request : fake.fileDialogs) {
            titles.push_back(request.title);
        }
        return titles;
    }

    void expectBox(std::size_t index, const std::string& caption, const std::string& text) const
    {
        ASSERT_LT(index, fake.boxes.size());
        EXPECT_EQ(FakePlatform::MAIN_WINDOW, fake.boxes[index].owner);
        EXPECT_EQ(caption, fake.boxes[index].caption);
        EXPECT_EQ(text, fake.boxes[index].text);
    }

    ScratchFolder folder;
    AppState state;
    FakePlatform fake;
    CommandContext ctx{state, fake, FakePlatform::MAIN_WINDOW};
    std::vector<std::string> loadedMothers;
    SettingsLoadSteps steps{[this](CommandContext& c) { loadedMothers.push_back(c.state.motherPath); },
                            takeTemplateHeader};
};

}  // namespace

TEST_F(SettingsCommands, SaveThenLoadInANewRunRestoresTheThreeSelections)
{
    const HeaderBytes likeHeader = pcmHeader(176400);
    const std::string mother = folder.path("m.wav");
    const std::string like = folder.writeWav("t.wav", likeHeader, 1000);
    const std::string kind = folder.path("k.wav");
    const std::string settings = folder.path("s.txt");
    state.motherPath = mother;
    state.likeSettingPath = like;
    state.childBaseName = kind;
    save(settings);
    ASSERT_EQ(1u, fake.fileDialogs.size());
    EXPECT_EQ("SAVE FILE & PATH Settings as=", fake.fileDialogs[0].title);
    EXPECT_EQ("", fake.fileDialogs[0].initialName);
    ASSERT_EQ(1u, fake.boxes.size());
    expectBox(0, " PATH and NAME  : ", settings);
    const std::string lines = "MOTHER=" + mother + "\r\nVORBILD=" + like + "\r\nKIND=" + kind + "\r\nEOF";
    EXPECT_EQ(lines + std::string(1024 - lines.size(), '\0'), fileText(settings));

    state = AppState{};
    fake = FakePlatform{};
    load(settings, {mother, like, kind});
    EXPECT_EQ((std::vector<std::string>{"LOAD FILE & PATH Settings:", "select MOTHER-Wave:",
                                        "WAVE file of with wished time:", "CHILDREN->Names"}),
              dialogTitles());
    ASSERT_EQ(4u, fake.fileDialogs.size());
    EXPECT_EQ("SETTINGS.TXT", fake.fileDialogs[0].initialName);
    EXPECT_EQ(mother, fake.fileDialogs[1].initialName);
    EXPECT_EQ(like, fake.fileDialogs[2].initialName);
    EXPECT_EQ(kind, fake.fileDialogs[3].initialName);
    ASSERT_EQ(1u, fake.boxes.size());
    expectBox(0, "Please check PATH+FILE  : ", lines);

    EXPECT_EQ(std::vector<std::string>{mother}, loadedMothers);
    EXPECT_EQ(1, state.motherChosen);
    EXPECT_EQ(like, state.likeSettingPath);
    EXPECT_EQ(1, state.likeChosen);
    EXPECT_EQ(likeHeader, state.headerBuf);
    EXPECT_EQ(176400u, state.pieceBytes);
    EXPECT_EQ(1000u, state.likeFileBytes);
    EXPECT_EQ(CutMode::None, state.cutMode);
    EXPECT_EQ(kind, state.childBaseName);
    EXPECT_EQ(folder.path("k"), state.childStem);
    EXPECT_EQ(1, state.childNumber);
    EXPECT_EQ(1, state.childrenNamed);
}

TEST_F(SettingsCommands, CancelledPicksLeaveTheStoredValuesAndACancelledLoadAppliesTheTextAgain)
{
    const std::string text = "KIND=C:\\my.w\\k.wav\r\nVORBILD=C:\\w\\t.wav\r\nMOTHER=C:\\w\\m.wav\r\nEOF";
    const std::string settings = folder.write("s.txt", bytesOf(text + std::string(5, '\0')));
    state.motherChosen = 1;
    state.motherStream = std::tmpfile();
    state.likeChosen = 1;
    state.pieceBytes = 441000;
    state.headerBuf.fill(0xEE);
    state.childrenNamed = 1;
    state.childNumber = 7;
    state.childStem = "old";
    const std::vector<std::string> titles = {
        "LOAD FILE & PATH Settings:", "select MOTHER-Wave:", "WAVE file of with wished time:", "CHILDREN->Names"};

    load(settings, {std::nullopt, std::nullopt, std::nullopt});
    EXPECT_EQ(titles, dialogTitles());
    expectBox(0, "Please check PATH+FILE  : ", text);
    EXPECT_TRUE(loadedMothers.empty());
    EXPECT_EQ("C:\\w\\m.wav", state.motherPath);
    EXPECT_EQ(0, state.motherChosen);
    EXPECT_EQ(nullptr, state.motherStream);
    EXPECT_EQ("C:\\w\\t.wav", state.likePath);
    EXPECT_EQ("C:\\w\\t.wav", state.likeSettingPath);
    EXPECT_EQ(0, state.likeChosen);
    EXPECT_EQ(441000u, state.pieceBytes);
    EXPECT_EQ(0xEE, state.headerBuf[43]);
    EXPECT_EQ("C:\\my.w\\k.wav", state.childBaseName);
    EXPECT_EQ("C:\\my.w\\k", state.childStem);
    EXPECT_EQ(1, state.childNumber);
    EXPECT_EQ(0, state.childrenNamed);

    // Cancelling the settings pick itself goes through the same text again.
    std::filesystem::remove(settings);
    state.motherPath = state.likePath = state.childBaseName = "changed";
    fake.cancelPick();
    loadSettings(ctx, steps);
    ASSERT_EQ(8u, fake.fileDialogs.size());
    const std::vector<std::string> all = dialogTitles();
    EXPECT_EQ(titles, std::vector<std::string>(all.begin() + 4, all.end()));
    expectBox(1, "Please check PATH+FILE  : ", text);
    EXPECT_EQ("C:\\w\\m.wav", state.motherPath);
    EXPECT_EQ("C:\\w\\t.wav", state.likePath);
    EXPECT_EQ("C:\\my.w\\k.wav", state.childBaseName);
}

TEST_F(SettingsCommands, AFileThatCannotBeOpenedLoadsAsAnEmptyTextAfterItsBox)
{
    load(folder.write("s.txt", bytesOf("MOTHER=C:\\w\\m.wav\r\nKIND=C:\\w\\k.wav\r\n")), {std::nullopt, std::nullopt});
    fake = FakePlatform{};
    state.motherPath = state.childBaseName = "now";
    const std::string unopenable = folder.path("missing") + "/s.txt";
    load(unopenable);
    fake.cancelPick();
    loadSettings(ctx, steps);  // a cancelled load goes through the empty text again
    EXPECT_EQ(2u, fake.fileDialogs.size());
    ASSERT_EQ(3u, fake.boxes.size());
    expectBox(0, " SETTINGS file cannot be opened ", unopenable);
    expectBox(1, "Please check PATH+FILE  : ", "");
    expectBox(2, "Please check PATH+FILE  : ", "");
    EXPECT_EQ("now", state.motherPath);
    EXPECT_EQ("now", state.childBaseName);

    // A folder opens as a stream but gives no bytes: it is not an empty settings text.
    fake = FakePlatform{};
    const std::string folderPath = folder.path("folder.txt");
    std::filesystem::create_directory(folderPath);
    load(folderPath);
    ASSERT_EQ(2u, fake.boxes.size());
    expectBox(0, " SETTINGS file cannot be read ", folderPath);
    expectBox(1, "Please check PATH+FILE  : ", "");
    EXPECT_EQ("now", state.motherPath);
}

TEST_F(SettingsCommands, WithLfOnlyLineEndsAValueRunsOnToTheNextCarriageReturn)
{
    load(folder.write("s.txt", bytesOf("MOTHER=m.wav\nKIND=k.wav\nEOF")), {std::nullopt, std::nullopt});
    ASSERT_EQ(3u, fake.fileDialogs.size());
    EXPECT_EQ("m.wav\nKIND=k.wav\nEOF", fake.fileDialogs[1].initialName);
    EXPECT_EQ("k.wav\nEOF", fake.fileDialogs[2].initialName);
}

TEST_F(SettingsCommands, EmptyValuesSkipTheirStepsAndAnEmptyTemplateValueIsStillTaken)
{
    state.motherPath = "Z:\\m.wav";
    state.likeSettingPath = "Z:\\old.wav";
    load(folder.write("s.txt", bytesOf("MOTHER=\r\nVORBILD=\r\nKIND=\r\nEOF")));
    EXPECT_EQ(1u, fake.fileDialogs.size());
    EXPECT_EQ("Z:\\m.wav", state.motherPath);
    EXPECT_EQ("", state.likeSettingPath);
    EXPECT_EQ(0, state.childNumber);
}

TEST_F(SettingsCommands, ANewSettingsNameIsCreatedEmpty)
{
    const std::string settings = folder.path("new.txt");
    load(settings);
    EXPECT_EQ(1u, fake.fileDialogs.size());
    expectBox(0, "Please check PATH+FILE  : ", "");
    EXPECT_TRUE(std::filesystem::exists(settings));
    EXPECT_EQ(0u, std::filesystem::file_size(settings));
}

TEST_F(SettingsCommands, LongTextsAreKeptWholeUpTo64KiBAndALargerFileIsRefused)
{
    const std::string mother = std::string(600, 'p');
    std::string bytes = "MOTHER=" + mother + "\r\n";
    bytes.resize(65536, '\0');
    load(folder.write("full.txt", bytesOf(bytes)), {std::nullopt});
    EXPECT_EQ(mother, state.motherPath);
    EXPECT_EQ(609u, state.settingsText.size());

    fake.boxes.clear();
    fake.fileDialogs.clear();
    state.motherPath = "kept";
    bytes.push_back('\0');
    const std::string tooBig = folder.write("big.txt", bytesOf(bytes));
    load(tooBig);
    ASSERT_EQ(1u, fake.boxes.size());
    expectBox(0, " SETTINGS file is larger than 64 KB: nothing loaded ", tooBig + "\nfile bytes = 65537");
    EXPECT_EQ(1u, fake.fileDialogs.size());
    EXPECT_EQ(609u, state.settingsText.size());
    EXPECT_EQ("kept", state.motherPath);
}

TEST_F(SettingsCommands, TemplateThatGivesNoWholeHeaderIsRefusedAndChangesNothing)
{
    const std::string cases[] = {folder.path("absent.wav"), folder.writeWav("short.wav", pcmHeader(400), 43)};
    const char* captions[] = {" LIKE Wavfile cannot be opened ", " LIKE Wavfile is shorter than its 44-byte header "};
    state.pieceBytes = 441000;
    state.headerBuf.fill(0xEE);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(cases[i]);
        fake.boxes.clear();
        load(folder.write("s.txt", bytesOf("VORBILD=" + cases[i] + "\r\n")), {cases[i]});
        ASSERT_EQ(2u, fake.boxes.size());
        EXPECT_EQ(captions[i], fake.boxes[1].caption);
        EXPECT_EQ(0, state.likeChosen);
        EXPECT_EQ(441000u, state.pieceBytes);
        EXPECT_EQ(0xEE, state.headerBuf[0]);
        EXPECT_EQ(cases[i], state.likeSettingPath);
    }
    EXPECT_FALSE(std::filesystem::exists(cases[0]));
}

TEST_F(SettingsCommands, SaveOverwritesOnlyTheFirst1024BytesOfALongerFile)
{
    const std::string settings = folder.write("s.txt", std::vector<std::uint8_t>(1500, 'x'));
    save(settings);
    const std::string lines = "MOTHER=\r\nVORBILD=\r\nKIND=.wav\r\nEOF";
    EXPECT_EQ(lines + std::string(1024 - lines.size(), '\0') + std::string(476, 'x'), fileText(settings));
}

TEST_F(SettingsCommands, FailedSavesSayWhyAndWriteNothing)
{
    const std::string tooLong = folder.path("long.txt");
    state.motherPath = std::string(992, 'm');
    save(tooLong);
    ASSERT_EQ(1u, fake.boxes.size());
    expectBox(0, " SETTINGS do not fit in 1024 bytes: nothing saved ", tooLong + "\nbytes needed = 1025");
    EXPECT_FALSE(std::filesystem::exists(tooLong));

    fake.boxes.clear();
    state.motherPath = "m";
    const std::string unwritable = folder.path("missing") + "/s.txt";
    save(unwritable);
    ASSERT_EQ(2u, fake.boxes.size());
    expectBox(0, " PATH and NAME  : ", unwritable);
    expectBox(1, " SETTINGS file cannot be written: nothing saved ", unwritable);

    fake.boxes.clear();
    fake.cancelPick();
    saveSettings(ctx);
    EXPECT_TRUE(fake.boxes.empty());
}

// A file written in the system's legacy code page (here Windows-1252, "ü" as the byte 0xFC) loads
// its Mother by the name in UTF-8; a value that is UTF-8 already is not converted.
TEST_F(SettingsCommands, APathInTheLegacyCodePageLoadsItsMotherByItsUtf8Name)
{
    const std::string legacyMother = folder.path("M\xFCller.wav");
    const std::string mother = folder.path("M\xC3\xBCller.wav");
    const std::string kind = folder.path("\xE9\x8C\xB2\xE9\x9F\xB3");  // 録音
    const std::string text = "MOTHER=" + legacyMother + "\r\nKIND=" + kind + "\r\n";
    const std::string shown = "MOTHER=" + mother + "\r\nKIND=" + kind + "\r\n";
    // The check box converts the one line that is no UTF-8, then the Mother's value is converted.
    fake.legacyConversions = {"MOTHER=" + mother + "\r\n", mother};
    load(folder.write("s.txt", bytesOf(text)), {mother, kind});
    EXPECT_EQ((std::vector<std::string>{"MOTHER=" + legacyMother + "\r\n", legacyMother}), fake.legacyTexts);
    expectBox(0, "Please check PATH+FILE  : ", shown);
    ASSERT_EQ(3u, fake.fileDialogs.size());
    EXPECT_EQ(mother, fake.fileDialogs[1].initialName);
    EXPECT_EQ(kind, fake.fileDialogs[2].initialName);
    EXPECT_EQ(std::vector<std::string>{mother}, loadedMothers);
    EXPECT_EQ(kind, state.childBaseName);
}

// 85 letters of three bytes fill a value's 255 bytes; 90 are refused whole, with the path named.
TEST_F(SettingsCommands, APathLongerThanAValueHoldsIsRefusedNotCut)
{
    std::string letters;
    for (int k = 0; k < 84; ++k) {
        letters += "\xE9\x8C\xB2";  // 録
    }
    const std::string fits = "C:\\" + letters;
    ASSERT_EQ(255u, fits.size());
    state.motherPath = fits;
    const std::string settings = folder.path("s.txt");
    save(settings);
    ASSERT_EQ(1u, fake.boxes.size());
    EXPECT_EQ("MOTHER=" + fits + "\r\n", fileText(settings).substr(0, 264));

    const std::string tooLong = fits + "\xE9\x8C\xB2\xE9\x8C\xB2\xE9\x8C\xB2\xE9\x8C\xB2\xE9\x8C\xB2\xE9\x8C\xB2";
    const std::string before = fileText(settings);
    for (std::string* field : {&state.motherPath, &state.likeSettingPath, &state.childBaseName}) {
        fake.boxes.clear();
        state.motherPath = state.likeSettingPath = state.childBaseName = "C:\\k.wav";
        *field = tooLong;
        save(settings);
        ASSERT_EQ(1u, fake.boxes.size());
        const std::string stored = field == &state.childBaseName ? tooLong + ".wav" : tooLong;
        expectBox(0, " SETTINGS path is longer than 255 bytes: nothing saved ", stored);
        EXPECT_EQ(before, fileText(settings));
    }
}
