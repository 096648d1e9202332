// The Mother as the editor plays it: where its samples stand and in what format, and its frames
// read block by block from any frame on, as the device asks for them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "editor/PlayRanges.h"
#include "ui/SoundDevice.h"

struct MotherSound {
    std::string path;
    std::uint64_t samplesAt = 0;  // the first sample byte
    std::uint64_t frames = 0;
    SoundFormat format;
    bool operator==(const MotherSound&) const = default;
};

// The Mother's samples as its header gives them (an unfinished one up to the end of the file);
// none when the file cannot be read or holds no samples the program can cut.
std::optional<MotherSound> motherSoundOf(const std::string& path);

// The frames of the range, read from the Mother in blocks as they are asked for: in its own format,
// or as 16-bit stereo for listening. A Mother that cannot be opened or read says so by failure().
std::unique_ptr<SoundSource> motherBlocks(const MotherSound& mother, FrameRange range, bool listening);
