// The file layer of a split of a stream: the split's own, with a stream buffer of its own for each
// Child open at a time (the regions of a label list may overlap, and at a silence the next Child
// is made before the last one closes), and a closed Child's file cut back to its length once its
// last frames went into the next Child.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "writing/SplitFiles.h"

class StreamFiles : public SystemCopyFiles {
public:
    ChildCreation createChild(const std::string& path, const std::string& motherPath,
                              const std::string& temporary) override;
    bool close(std::FILE* stream) override;
    // Cuts the closed file to this many bytes; false when the system refuses (errno tells why).
    virtual bool resize(const std::string& path, std::uint64_t bytes);

private:
    std::vector<std::unique_ptr<char[]>> spare_;
    std::map<std::FILE*, std::unique_ptr<char[]>> lent_;
};
