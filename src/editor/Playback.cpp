#include "editor/Playback.h"

#include <string>

#include "editor/ListeningFormat.h"
#include "ui/Texts.h"

bool Playback::request(PlayRequest request, const PlayPlace& place, const MotherSound& mother, WindowRef owner)
{
    if (request == PlayRequest::FromCursor && playing()) {
        stop();
        return false;
    }
    stop();
    const std::optional<FrameRange> range = framesToPlay(request, place);
    if (!range) {
        if (request == PlayRequest::UpToCut || request == PlayRequest::FromCut) {
            ui_.messageBox(owner, text::NOTHING_PLAYED, text::NO_CUT_SELECTED);
        }
        return false;
    }
    return play(mother, *range, owner);
}

bool Playback::play(const MotherSound& mother, FrameRange range, WindowRef owner)
{
    stop();
    std::optional<std::string> refusal = ui_.openSound(mother.format);
    bool listening = false;
    const SoundFormat fallback = listeningFormat(mother.format.sampleRate);
    if (refusal && !(mother.format == fallback)) {
        refusal = ui_.openSound(fallback);
        listening = true;
    }
    if (refusal) {
        ui_.messageBox(owner, text::NOTHING_PLAYED, *refusal);
        return false;
    }
    std::unique_ptr<SoundSource> source = motherBlocks(mother, range, listening);
    if (const std::string cause = source->failure(); !cause.empty()) {
        ui_.stopSound();
        ui_.messageBox(owner, text::NOTHING_PLAYED, cause);
        return false;
    }
    ui_.playSound(std::move(source));
    range_ = range;
    return true;
}

void Playback::stop()
{
    if (range_) {
        ui_.stopSound();
        range_.reset();
    }
}

std::optional<std::uint64_t> Playback::playLine(WindowRef owner)
{
    if (!range_) {
        return std::nullopt;
    }
    const SoundProgress progress = ui_.soundProgress();
    if (!progress.playing) {
        stop();
        if (!progress.failure.empty()) {
            ui_.messageBox(owner, text::NOTHING_PLAYED, progress.failure);
        }
        return std::nullopt;
    }
    const std::uint64_t heard = progress.framesPlayed < range_->count ? progress.framesPlayed : range_->count;
    return range_->first + heard;
}

std::uint64_t viewFollowing(std::uint64_t viewFirst, std::uint64_t viewFrames, std::uint64_t line,
                            std::uint64_t motherFrames)
{
    if (line < viewFirst + viewFrames && line >= viewFirst) {
        return viewFirst;
    }
    const std::uint64_t last = motherFrames > viewFrames ? motherFrames - viewFrames : 0;
    return line < last ? line : last;
}
