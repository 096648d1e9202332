#include "split/TemporaryChild.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/Processes.h"
#include "support/ScratchFiles.h"

TEST(TemporaryChild, IsNamedAfterTheChildTheProcessAndARandomPart)
{
    EXPECT_EQ(temporaryNameOf("out/c12.WAV", {4321, 0x00ab12cd}), "out/c12.WAV.4321-00ab12cd.part");
}

// Only the exact form of a temporary file of this stem is one: never a Child, another stem whose
// name starts with it, or a name with anything more.
TEST(TemporaryChild, IsToldApartFromChildrenAndOtherStemsByItsNameAlone)
{
    struct Case {
        const char* name;
        std::optional<std::uint32_t> writer;
    };
    const Case cases[] = {
        {"c3.WAV.4321-00ab12cd.part", 4321},
        {"c.WAV.7-ffffffff.part", 7},
        {"c3.WAV", {}},
        {"cc3.WAV.4321-00ab12cd.part", {}},
        {"c3.WAV.4321-00ab12c.part", {}},
        {"c3.WAV.4321-00AB12CD.part", {}},
        {"c3.WAV.-00ab12cd.part", {}},
        {"c3.WAV.4321-00ab12cd.part.WAV", {}},
        {"c3.wav.4321-00ab12cd.part", {}},
        {"c3.WAV.99999999999-00ab12cd.part", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(writerOfTemporary(c.name, "c"), c.writer) << c.name;
    }
}

// Those of an ended run and of this process (which has made none yet) go; a running process's,
// another stem's and the Children stay.
TEST(TemporaryChild, LeftoversAreThoseOfRunsThatNoLongerRun)
{
    ScratchFolder folder;
    const std::string ended = std::to_string(endedProcessId());
    const std::string running = std::to_string(runningProcessId());
    const std::string own = std::to_string(thisProcessId());
    for (const std::string& name :
         {"c3.WAV." + ended + "-0000abcd.part", "c1.WAV." + own + "-0000abcd.part",
          "c4.WAV." + running + "-0000abcd.part", "d3.WAV." + ended + "-0000abcd.part", std::string("c3.WAV")}) {
        folder.write(name, {1});
    }
    std::vector<std::string> found = leftoversOf(folder.path("c"));
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{folder.path("c1.WAV." + own + "-0000abcd.part"),
                                               folder.path("c3.WAV." + ended + "-0000abcd.part")}));
    EXPECT_TRUE(leftoversOf(folder.path("missing/c")).empty());
}
