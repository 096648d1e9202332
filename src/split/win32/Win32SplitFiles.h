// The split's files on Windows: the names the user picked are in the ANSI code page, as the
// runtime opens them, so whether a Child is the Mother is asked of the system by those same names.
#pragma once

#include "split/SplitFiles.h"

class Win32SplitFiles : public SplitFiles {
public:
    Sameness sameFile(const std::string& a, const std::string& b) override;
};
