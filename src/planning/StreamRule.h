// How a rule tells the Children of a Mother on a stream as its frames arrive: which Child begins
// next, and where the one being written without a known end is cut once the frames that decide it
// have been seen. The stream writer asks it; the planning chooses it from the cut request.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A Child of a stream as its rule tells it: its number, its first frame, its frames when the
// rule knows where it ends (none: where the rule cuts it, or where the stream ends), its title.
struct StreamChild {
    std::int32_t number = 0;
    std::uint64_t firstFrame = 0;
    std::optional<std::uint64_t> frames;
    std::string title;
};

class StreamRule {
public:
    virtual ~StreamRule() = default;
    // The next Child to begin, in the order of their first frames; none when the rule knows of
    // no other (a later cut may still begin one).
    virtual std::optional<StreamChild> nextChild() = 0;
    // The frames from frame `first` on, as they arrive: the frames at which the Child being
    // written without a known end is cut, now that they are sure, in order, each after that
    // Child's first frame and at most first + count. The Child after a cut begins there, numbered
    // one more.
    virtual std::vector<std::uint64_t> look(const std::uint8_t* frames, std::uint64_t first, std::uint64_t count);
    // The stream ended (or the split was stopped) after this many frames: the last such cuts.
    virtual std::vector<std::uint64_t> ended(std::uint64_t frames);
    // Whether look must see the frames; a rule that need not lets them go from the stream to
    // the Children without passing the process.
    virtual bool looksAtFrames() const { return false; }
};
