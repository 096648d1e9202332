#include "marks/StreamSilence.h"

StreamSilenceCuts::StreamSilenceCuts(const SampleLayout& layout, const SilenceRule& rule)
    : layout_(layout), rule_(rule), limit_(silenceLimitOf(rule.thresholdDb)), search_(rule.shortestSilence)
{
}

// The file's merging, one cut at a time: a cut goes when the piece after it (up to the next cut,
// or to the end) is shorter than the shortest piece, since that piece joins the one before; then
// the first cut left goes when the first piece is too short, which joins the one after.
void StreamSilenceCuts::judge(std::uint64_t cut, bool pieceLongEnough, std::vector<std::uint64_t>& sure)
{
    if (!pieceLongEnough) {
        return;
    }
    if (!firstJudged_) {
        firstJudged_ = true;
        if (cut < rule_.shortestPiece) {
            return;
        }
    }
    sure.push_back(cut);
}

std::vector<std::uint64_t> StreamSilenceCuts::look(const std::uint8_t* frames, std::uint64_t first, std::uint64_t count)
{
    std::vector<std::uint64_t> sure;
    const std::uint64_t shortest = rule_.shortestPiece;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::optional<std::uint64_t> cut =
            search_.frame(first + i, isSilentFrame(frames + i * layout_.frameBytes, layout_, limit_));
        if (!cut) {
            continue;
        }
        ++silences_;
        if (waiting_) {
            judge(*waiting_, *cut - *waiting_ >= shortest, sure);
        }
        waiting_ = cut;
    }
    // No later cut can come before the middle of the silence going on, or before the next frame.
    const std::uint64_t next = first + count;
    const std::uint64_t earliest =
        search_.inSilence() ? search_.silenceFrom() + (next - search_.silenceFrom()) / 2 : next;
    if (waiting_ && earliest >= *waiting_ && earliest - *waiting_ >= shortest) {
        judge(*waiting_, true, sure);
        waiting_.reset();
    }
    return sure;
}

std::vector<std::uint64_t> StreamSilenceCuts::ended(std::uint64_t frames)
{
    std::vector<std::uint64_t> sure;
    if (waiting_) {
        judge(*waiting_, frames - *waiting_ >= rule_.shortestPiece, sure);
        waiting_.reset();
    }
    return sure;
}
