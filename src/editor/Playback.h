// Sound in the editor: one thing plays at a time, asked by a key or a menu item, and its play line.
// Playing reads the Mother and nothing else: no cut, Child or file changes by it.
#pragma once

#include <cstdint>
#include <optional>

#include "editor/MotherSound.h"
#include "editor/PlayRanges.h"
#include "ui/Platform.h"

// How often the view asks where the play line stands, in milliseconds: well inside the 50 ms by
// which the line may trail what is heard.
inline constexpr unsigned PLAY_LINE_EVERY_MS = 20;

class Playback {
public:
    explicit Playback(Platform& ui) : ui_(ui) {}
    ~Playback() { stop(); }
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    // What a key or menu item asks: Space while something plays stops it; otherwise what played
    // stops and the request's frames play. False when nothing plays after it.
    bool request(PlayRequest request, const PlayPlace& place, const MotherSound& mother, WindowRef owner);

    // Plays the frames in the Mother's own format or, where the device refuses that, as 16-bit
    // stereo; one box over the owner when nothing can be played, saying why.
    bool play(const MotherSound& mother, FrameRange range, WindowRef owner);

    void stop();
    bool playing() const { return range_.has_value(); }

    // The frame being heard: the first frame played and the device's position; none when nothing
    // plays. A sound that has ended closes the device; one the system broke off says why in a box.
    std::optional<std::uint64_t> playLine(WindowRef owner);

private:
    Platform& ui_;
    std::optional<FrameRange> range_;
};

// The first frame a view of viewFrames shows so that the play line stays in sight: unchanged while
// the line is inside, the line at the left edge once it passes the right one, never past the end.
std::uint64_t viewFollowing(std::uint64_t viewFirst, std::uint64_t viewFrames, std::uint64_t line,
                            std::uint64_t motherFrames);
