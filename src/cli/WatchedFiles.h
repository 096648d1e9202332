// The split's files as the command line sees them: every Child that is kept is reported with
// its name, its size and where its samples start in the Mother, and every byte written counts
// towards the progress. In a dry run nothing is written or removed and the samples are not read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "split/SplitFiles.h"

struct ChildReport {
    std::string name;
    std::uint64_t fileBytes = 0;
    std::uint64_t motherOffset = 0;  // file offset of the Child's first sample byte in the Mother
};

class ChildListener {
public:
    virtual ~ChildListener() = default;
    virtual void childStarted() {}
    virtual void bytesWritten(std::uint64_t) {}
    // A Child complete on disk (or, in a dry run, one that would be).
    virtual void childKept(const ChildReport&) {}
};

class WatchedFiles : public SplitFiles {
public:
    // nullDevice is the system's file that swallows what is written to it, for a dry run's Children.
    WatchedFiles(ChildListener& listener, bool dryRun, std::string nullDevice);

    // Reports the last Child once it is known to stay; call when the split has ended.
    void finish();

    std::FILE* openMother(const std::string& path) override;
    ChildCreation createChild(const std::string& path, const std::string& motherPath) override;
    bool seek(std::FILE* stream, std::uint64_t offset) override;
    std::size_t read(std::FILE* stream, void* into, std::size_t bytes) override;
    std::size_t write(std::FILE* stream, const void* from, std::size_t bytes) override;
    bool flush(std::FILE* stream) override;
    bool hasError(std::FILE* stream) override;
    bool close(std::FILE* stream) override;
    bool remove(const std::string& path) override;

private:
    std::size_t skip(std::FILE* stream, std::size_t bytes);

    ChildListener& listener_;
    bool dryRun_;
    std::string nullDevice_;
    std::FILE* mother_ = nullptr;
    std::uint64_t motherPosition_ = 0;
    std::uint64_t motherBytes_ = 0;
    std::FILE* child_ = nullptr;
    bool childFailed_ = false;
    ChildReport current_;
    // A closed Child is reported only at the next one or at the end: in how-many mode the
    // remainder is removed right after it is closed, and is then never reported.
    std::optional<ChildReport> closed_;
};
