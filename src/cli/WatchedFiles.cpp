#include "cli/WatchedFiles.h"

#include "core/FileIo.h"

WatchedFiles::WatchedFiles(ChildListener& listener, bool dryRun, std::string nullDevice)
    : listener_(listener), dryRun_(dryRun), nullDevice_(std::move(nullDevice))
{
}

void WatchedFiles::finish()
{
    if (closed_) {
        listener_.childKept(*closed_);
        closed_.reset();
    }
}

std::FILE* WatchedFiles::openMother(const std::string& path)
{
    mother_ = SplitFiles::openMother(path);
    motherPosition_ = 0;
    if (mother_ != nullptr) {
        motherBytes_ = streamLength(mother_).value_or(0);
    }
    return mother_;
}

ChildCreation WatchedFiles::createChild(const std::string& path, const std::string& motherPath)
{
    finish();
    ChildCreation child;
    if (dryRun_) {
        // Nothing is created, but a Child that would be the Mother is refused as in a real run.
        child.mother = compareFiles(path, motherPath);
        if (child.mother == Sameness::Different) {
            child.stream = std::fopen(nullDevice_.c_str(), "wb");
        }
    } else {
        child = SplitFiles::createChild(path, motherPath);
    }
    child_ = child.stream;
    childFailed_ = false;
    current_ = {path, 0, motherPosition_};
    if (child_ != nullptr) {
        listener_.childStarted();
    }
    return child;
}

bool WatchedFiles::seek(std::FILE* stream, std::uint64_t offset)
{
    const bool moved = SplitFiles::seek(stream, offset);
    if (moved && stream == mother_) {
        motherPosition_ = offset;
    }
    return moved;
}

// What a dry run's Child would hold is passed over, not read: as many bytes as the file has.
std::size_t WatchedFiles::skip(std::FILE* stream, std::size_t bytes)
{
    const std::uint64_t left = motherBytes_ > motherPosition_ ? motherBytes_ - motherPosition_ : 0;
    const std::size_t passed = left < bytes ? static_cast<std::size_t>(left) : bytes;
    return SplitFiles::seek(stream, motherPosition_ + passed) ? passed : 0;
}

std::size_t WatchedFiles::read(std::FILE* stream, void* into, std::size_t bytes)
{
    const bool passOver = dryRun_ && stream == mother_ && child_ != nullptr;
    const std::size_t got = passOver ? skip(stream, bytes) : SplitFiles::read(stream, into, bytes);
    if (stream == mother_) {
        motherPosition_ += got;
    }
    return got;
}

std::size_t WatchedFiles::write(std::FILE* stream, const void* from, std::size_t bytes)
{
    const std::size_t written = dryRun_ ? bytes : SplitFiles::write(stream, from, bytes);
    if (stream == child_) {
        current_.fileBytes += written;
        listener_.bytesWritten(written);
    }
    return written;
}

bool WatchedFiles::flush(std::FILE* stream)
{
    const bool flushed = SplitFiles::flush(stream);
    childFailed_ = childFailed_ || (stream == child_ && !flushed);
    return flushed;
}

bool WatchedFiles::hasError(std::FILE* stream)
{
    const bool failed = SplitFiles::hasError(stream);
    childFailed_ = childFailed_ || (stream == child_ && failed);
    return failed;
}

bool WatchedFiles::close(std::FILE* stream)
{
    const bool closed = SplitFiles::close(stream);
    if (stream == mother_) {
        mother_ = nullptr;
    } else if (stream == child_) {
        child_ = nullptr;
        if (closed && !childFailed_) {
            closed_ = current_;
        }
    }
    return closed;
}

// A dry run never removes: the name may be a file the user has, which the run has not touched.
bool WatchedFiles::remove(const std::string& path)
{
    if (closed_ && closed_->name == path) {
        closed_.reset();
    }
    return dryRun_ ? true : SplitFiles::remove(path);
}
