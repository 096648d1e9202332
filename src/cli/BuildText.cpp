#include "cli/BuildText.h"

// The build sets MORLANDO_BUILD_TYPE to its build type on this file alone, so that a change of
// build type recompiles nothing else.
#ifndef MORLANDO_BUILD_TYPE
#define MORLANDO_BUILD_TYPE
#endif
#define MORLANDO_QUOTED(x) #x
#define MORLANDO_TEXT(x) MORLANDO_QUOTED(x)

std::string buildLine(const BuildFacts& facts)
{
    return std::string("build: ") + (facts.type.empty() ? "no build type" : facts.type) +
           (facts.optimised ? ", optimised" : ", not optimised") +
           (facts.assertions ? ", assertions on" : ", assertions off");
}

BuildFacts thisBuild()
{
    BuildFacts facts;
    facts.type = MORLANDO_TEXT(MORLANDO_BUILD_TYPE);
    // Both compilers of the project (GCC, Clang) define __OPTIMIZE__ from -O1 up, -Os and -Og included.
#ifdef __OPTIMIZE__
    facts.optimised = true;
#endif
#ifdef NDEBUG
    facts.assertions = false;
#endif
    return facts;
}
