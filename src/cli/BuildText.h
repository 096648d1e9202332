// The second line of --version: how this program was built. The build type its build was
// configured with, and what the compiler itself knew when it compiled this file (whether it
// optimised, whether the assertions stayed in), so that the optimised program handed to users
// can be told from the test build by running it, as compilers and media tools show their own
// configuration.
#pragma once

#include <string>

struct BuildFacts {
    std::string type;        // the configured build type ("Release", "Debug"); empty: none was set
    bool optimised = false;  // compiled with optimisation (-O1 or more)
    bool assertions = true;  // assert() kept in (NDEBUG not defined)
};

// "build: Release, optimised, assertions off"
std::string buildLine(const BuildFacts& facts);

// The facts of this program's own build.
BuildFacts thisBuild();
