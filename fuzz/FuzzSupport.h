// What every fuzz target shares: taking numbers from the front of the input, reading a file back,
// and stopping the run loudly when an invariant does not hold, so that the fuzzer keeps the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A broken invariant is a finding like a crash: the fuzzer saves the input that led to it.
inline void require(bool holds, const char* invariant)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

// The input read from its front: a few numbers that steer the run, then the bytes that are left.
// A number the input is too short for is made of the bytes there are, the missing ones zero.
class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }

    std::uint32_t le32()
    {
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            value |= static_cast<std::uint32_t>(byte()) << shift;
        }
        return value;
    }

    std::vector<std::uint8_t> rest() const
    {
        return at_ < size_ ? std::vector<std::uint8_t>(data_ + at_, data_ + size_) : std::vector<std::uint8_t>();
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

inline std::vector<std::uint8_t> readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
