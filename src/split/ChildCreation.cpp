#include "split/SplitFiles.h"

// Where names are looked up exactly, asking first costs little and keeps the Mother safe.
ChildCreation createChildUnlessMother(const std::string& path, const std::string& motherPath)
{
    ChildCreation child;
    child.mother = compareFiles(path, motherPath);
    if (child.mother == Sameness::Different) {
        child.stream = std::fopen(path.c_str(), "w+b");
    }
    return child;
}
