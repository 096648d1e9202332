#include "ui/FilePicker.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "support/FakePlatform.h"

TEST(FileFilter, ExtensionReplacesTxtInDescriptionAndPattern)
{
    const std::string wav = buildFileFilter("WAV");
    const char expected[] = "FILES(*.WAV)\0*.WAV;\0All Files(*.*)\0*.*\0\0";
    ASSERT_EQ(wav.size(), 41u);
    EXPECT_EQ(wav, std::string(expected, sizeof expected));

    const std::string txt = buildFileFilter("TXT");
    const char unchanged[] = "FILES(*.TXT)\0*.TXT;\0All Files(*.*)\0*.*\0\0";
    EXPECT_EQ(txt, std::string(unchanged, sizeof unchanged));
}

TEST(PickFile, AsksTheDialogWithTheProgramsRequest)
{
    FakePlatform fake;
    std::string path = "Z:\\tmp\\old.wav";
    Flag chosen = 1;
    fake.pick("Z:\\tmp\\new.wav");
    pickFile(fake, FakePlatform::MAIN_WINDOW, path, "WAV", "MOTHER-Wavfile-select:", chosen);

    ASSERT_EQ(fake.fileDialogs.size(), 1u);
    const FileDialogRequest& request = fake.fileDialogs[0];
    EXPECT_EQ(request.owner, FakePlatform::MAIN_WINDOW);
    EXPECT_EQ(request.title, "MOTHER-Wavfile-select:");
    EXPECT_EQ(request.initialName, "Z:\\tmp\\old.wav");
    EXPECT_EQ(request.flags, 2629652u);
    EXPECT_EQ(request.maxFile, 260u);
    EXPECT_EQ(request.filter, buildFileFilter("WAV"));
    EXPECT_EQ(path, "Z:\\tmp\\new.wav");
    EXPECT_EQ(chosen, 1);
}

TEST(PickFile, CancelClearsTheFlagAndKeepsThePath)
{
    FakePlatform fake;
    std::string path = "Z:\\tmp\\old.wav";
    Flag chosen = 1;
    fake.cancelPick();
    pickFile(fake, FakePlatform::MAIN_WINDOW, path, "WAV", "CHILDREN->Names", chosen);
    EXPECT_EQ(chosen, 0);
    EXPECT_EQ(path, "Z:\\tmp\\old.wav");
}

TEST(PickFile, APathOf259CharactersIsTakenWhole)
{
    FakePlatform fake;
    const std::string longPath = "Z:\\" + std::string(252, 'a') + ".wav";
    ASSERT_EQ(longPath.size(), 259u);
    std::string path;
    Flag chosen = 0;
    fake.pick(longPath);
    pickFile(fake, FakePlatform::MAIN_WINDOW, path, "WAV", "MOTHER-Wavfile-select:", chosen);
    EXPECT_EQ(path, longPath);
    EXPECT_EQ(chosen, 1);

    // Offered again next time, it still fits the dialog's name buffer.
    fake.cancelPick();
    pickFile(fake, FakePlatform::MAIN_WINDOW, path, "WAV", "MOTHER-Wavfile-select:", chosen);
    EXPECT_EQ(fake.fileDialogs.back().initialName, longPath);
}

// The buffer counts UTF-16 letters: 259 Japanese ones (777 bytes of UTF-8) are taken and offered
// whole; a path of 260, which no pick gives, is offered as nothing rather than cut.
TEST(PickFile, ANameOf259LettersInAnyScriptIsTakenAndOfferedWhole)
{
    std::string letters;
    for (int k = 0; k < 252; ++k) {
        letters += "\xE9\x8C\xB2";  // 録
    }
    const std::string longPath = "Z:\\" + letters + ".wav";
    ASSERT_EQ(longPath.size(), 763u);
    const std::pair<std::string, std::string> cases[] = {{longPath, longPath}, {longPath + "\xE9\x8C\xB2", ""}};
    for (const auto& [path, offered] : cases) {
        FakePlatform fake;
        std::string field;
        Flag chosen = 0;
        fake.pick(path);
        pickFile(fake, FakePlatform::MAIN_WINDOW, field, "WAV", "MOTHER-Wavfile-select:", chosen);
        EXPECT_EQ(field, path);
        fake.cancelPick();
        pickFile(fake, FakePlatform::MAIN_WINDOW, field, "WAV", "MOTHER-Wavfile-select:", chosen);
        EXPECT_EQ(fake.fileDialogs.back().initialName, offered);
        EXPECT_EQ(field, path);
    }
}
