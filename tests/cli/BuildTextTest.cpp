#include "cli/BuildText.h"

#include <gtest/gtest.h>

#include <string>

TEST(BuildText, TellsTheBuildTypeTheOptimisationAndTheAssertions)
{
    struct Case {
        BuildFacts facts;
        const char* line;
    };
    const Case cases[] = {
        {{"Release", true, false}, "build: Release, optimised, assertions off"},
        {{"Debug", false, true}, "build: Debug, not optimised, assertions on"},
        {{"Debug", true, true}, "build: Debug, optimised, assertions on"},  // the sanitized tests' build
        {{"RelWithDebInfo", true, false}, "build: RelWithDebInfo, optimised, assertions off"},
        {{"", false, true}, "build: no build type, not optimised, assertions on"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(buildLine(c.facts), c.line);
    }
}

TEST(BuildText, TheTestsRunInTheDebugBuild)
{
    // The native and sanitized tests are built as Debug with their assertions in (the sanitized
    // ones optimised a little): the build type reaches the file and NDEBUG stays out of it.
    const BuildFacts facts = thisBuild();
    EXPECT_EQ(facts.type, "Debug");
    EXPECT_TRUE(facts.assertions);
}
