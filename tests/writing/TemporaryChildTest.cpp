#include "writing/TemporaryChild.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/Processes.h"
#include "support/ScratchFiles.h"

TEST(TemporaryChild, IsTheChildsNameInAFolderNamedAfterTheStemTheProcessAndARandomPart)
{
    const std::string folder = runFolderOf("out/c", {4321, 0x00ab12cd});
    EXPECT_EQ(folder, "out/c.4321-00ab12cd.part");
    EXPECT_EQ(temporaryNameOf(folder, "out/c12.WAV"), "out/c.4321-00ab12cd.part/c12.WAV");
    EXPECT_EQ(temporaryNameOf("C:\\out\\c.1-00000000.part", "C:\\out\\c1.WAV"), "C:\\out\\c.1-00000000.part\\c1.WAV");
}

// Only the exact form of a run folder of this stem is one: never a Child, another stem whose name
// starts with it, or a name with anything more.
TEST(TemporaryChild, IsToldApartFromChildrenAndOtherStemsByItsNameAlone)
{
    struct Case {
        const char* name;
        std::optional<std::uint32_t> writer;
    };
    const Case cases[] = {
        {"c.4321-00ab12cd.part", 4321}, {"c.7-ffffffff.part", 7},         {"c3.WAV", {}},
        {"cc.4321-00ab12cd.part", {}},  {"c.4321-00ab12c.part", {}},      {"c.4321-00AB12CD.part", {}},
        {"c.-00ab12cd.part", {}},       {"c.4321-00ab12cd.part.WAV", {}}, {"c.99999999999-00ab12cd.part", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(writerOfRunFolder(c.name, "c"), c.writer) << c.name;
    }
}

// Those of an ended run and of this process (which has made none yet) go, with what they hold; a
// running process's, another stem's and the Children stay.
TEST(TemporaryChild, LeftoversAreThoseOfRunsThatNoLongerRun)
{
    ScratchFolder folder;
    const std::string ended = std::to_string(endedProcessId());
    const std::string running = std::to_string(runningProcessId());
    const std::string own = std::to_string(thisProcessId());
    for (const std::string& name : {"c." + ended + "-0000abcd.part", "c." + own + "-0000abcd.part",
                                    "c." + running + "-0000abcd.part", "d." + ended + "-0000abcd.part"}) {
        std::filesystem::create_directory(folder.path(name));
        folder.write(name + "/c3.WAV", {1});
    }
    folder.write("c3.WAV", {1});
    std::vector<std::string> found = leftoversOf(folder.path("c"));
    std::sort(found.begin(), found.end());
    std::vector<std::string> expected = {folder.path("c." + ended + "-0000abcd.part"),
                                         folder.path("c." + own + "-0000abcd.part")};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(leftoversOf(folder.path("missing/c")).empty());

    removeLeftovers(folder.path("c"));
    EXPECT_FALSE(std::filesystem::exists(expected[0]));
    EXPECT_FALSE(std::filesystem::exists(expected[1]));
    EXPECT_TRUE(std::filesystem::exists(folder.path("c." + running + "-0000abcd.part/c3.WAV")));
    EXPECT_TRUE(std::filesystem::exists(folder.path("d." + ended + "-0000abcd.part/c3.WAV")));
    EXPECT_TRUE(std::filesystem::exists(folder.path("c3.WAV")));
}
