// Files written by the tests into a folder of their own under the system's temporary folder; the
// folder and everything in it is removed when the test ends.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/AppState.h"
#include "wav/WavHeader.h"

// A whole file's bytes at once, fast enough for Children of megabytes; none when it cannot be read.
inline std::vector<std::uint8_t> readWhole(const std::string& path)
{
    std::error_code unknown;
    const std::uintmax_t size = std::filesystem::file_size(path, unknown);
    std::vector<std::uint8_t> bytes(unknown ? 0 : static_cast<std::size_t>(size));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    const std::size_t got = file != nullptr ? std::fread(bytes.data(), 1, bytes.size(), file) : 0;
    if (file != nullptr) {
        std::fclose(file);
    }
    bytes.resize(got);
    return bytes;
}

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::random_device random;
        do {
            folder_ = std::filesystem::temp_directory_path() / ("morlando-test-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(folder_));
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        std::ofstream out(path(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path(name);
    }

    // A header, then zero bytes up to fileBytes; the zeros are left as a hole in the file, so even
    // a file of several GiB costs no disk space.
    std::string writeWav(const std::string& name, const HeaderBytes& header, std::uint64_t fileBytes) const
    {
        const std::string written = write(name, std::vector<std::uint8_t>(header.begin(), header.end()));
        std::filesystem::resize_file(written, fileBytes);
        return written;
    }

private:
    std::filesystem::path folder_;
};

// The header the program writes for Children, with the given data size.
inline HeaderBytes pcmHeader(std::uint32_t dataSize)
{
    HeaderBytes header{};
    fillDefaultHeader(header);
    writeHeaderSizes(header, dataSize);
    return header;
}
