#include "planning/StreamRules.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

std::int32_t numberAt(std::uint64_t index)
{
    // Numbers wrap past the largest one, as a plan's do.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(index + 1));
}

class EveryFrames : public StreamRule {
public:
    EveryFrames(std::uint64_t pieceFrames, std::int32_t from)
        : pieceFrames_(pieceFrames), index_(from > 1 ? static_cast<std::uint64_t>(from) - 1 : 0)
    {
    }

    std::optional<StreamChild> nextChild() override
    {
        if (pieceFrames_ == 0 || index_ > std::numeric_limits<std::uint64_t>::max() / pieceFrames_) {
            return std::nullopt;
        }
        const StreamChild child{numberAt(index_), index_ * pieceFrames_, pieceFrames_, {}};
        ++index_;
        return child;
    }

private:
    std::uint64_t pieceFrames_;
    std::uint64_t index_;
};

class SpansInOrder : public StreamRule {
public:
    SpansInOrder(const ChildSpans& spans, std::uint64_t framesMadeFor, std::int32_t from)
    {
        for (std::size_t i = 0; i < spans.size(); ++i) {
            const std::int32_t number = numberAt(i);
            if (from > 0 && number < from) {
                continue;
            }
            const ChildSpan& span = spans[i];
            const bool toTheEnd = span.frames >= framesMadeFor - std::min(span.firstFrame, framesMadeFor);
            children_.push_back(
                {number, span.firstFrame, toTheEnd ? std::nullopt : std::optional(span.frames), span.title});
        }
        // Stable: of two spans from one frame, the one listed first is begun first.
        std::stable_sort(children_.begin(), children_.end(),
                         [](const StreamChild& a, const StreamChild& b) { return a.firstFrame < b.firstFrame; });
    }

    std::optional<StreamChild> nextChild() override
    {
        if (at_ == children_.size()) {
            return std::nullopt;
        }
        return std::move(children_[at_++]);
    }

private:
    std::vector<StreamChild> children_;
    std::size_t at_ = 0;
};

}  // namespace

std::unique_ptr<StreamRule> everyFramesRule(std::uint64_t pieceFrames, std::int32_t from)
{
    return std::make_unique<EveryFrames>(pieceFrames, from);
}

std::unique_ptr<StreamRule> spansRule(const ChildSpans& spans, std::uint64_t framesMadeFor, std::int32_t from)
{
    return std::make_unique<SpansInOrder>(spans, framesMadeFor, from);
}
