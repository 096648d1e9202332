#include "writing/StreamFiles.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/FileIo.h"

ChildCreation StreamFiles::createChild(const std::string& path, const std::string& motherPath,
                                       const std::string& temporary)
{
    ChildCreation child = createTemporaryChild(path, motherPath, temporary);
    if (child.stream == nullptr) {
        return child;
    }
    std::unique_ptr<char[]> buffer;
    if (spare_.empty()) {
        buffer = std::make_unique<char[]>(SPLIT_STREAM_BUFFER_BYTES);
    } else {
        buffer = std::move(spare_.back());
        spare_.pop_back();
    }
    std::setvbuf(child.stream, buffer.get(), _IOFBF, SPLIT_STREAM_BUFFER_BYTES);
    lent_[child.stream] = std::move(buffer);
    return child;
}

// The buffer is free again only once the stream is closed, which writes out what it held.
bool StreamFiles::close(std::FILE* stream)
{
    const auto lent = lent_.find(stream);
    std::unique_ptr<char[]> buffer;
    if (lent != lent_.end()) {
        buffer = std::move(lent->second);
        lent_.erase(lent);
    }
    const bool closed = std::fclose(stream) == 0;
    if (buffer) {
        spare_.push_back(std::move(buffer));
    }
    return closed;
}

bool StreamFiles::resize(const std::string& path, std::uint64_t bytes)
{
    std::error_code error;
    std::filesystem::resize_file(pathOfName(path), bytes, error);
    if (error) {
        errno = error.value();
        return false;
    }
    return true;
}
