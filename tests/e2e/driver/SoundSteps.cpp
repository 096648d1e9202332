// Steps on sound: the program's own wave-out layer playing a Mother's frames through the system's
// device, and the check of what the device received. Under Wine, ALSA's file plugin (a .asoundrc
// in the HOME the scenario's preparation makes) writes every byte played into a raw file.
#include "Steps.h"

#include "TestFiles.h"

#include <windows.h>

#include <string>
#include <vector>

#include "editor/MotherSound.h"
#include "ui/win32/WaveOutput.h"

namespace {

MotherSound motherOf(const Step& step, std::size_t index)
{
    const std::optional<MotherSound> mother = motherSoundOf(step.args[index]);
    if (!mother) {
        throw StepFailure("no wave the program can play: " + step.args[index]);
    }
    return *mother;
}

// The frames played through the program's wave-out layer, in the Mother's own format, until the
// device has played them all.
void playFrames(Context& c, const Step& step)
{
    const MotherSound mother = motherOf(step, 0);
    const FrameRange range{unsignedArg(step, 1), unsignedArg(step, 2)};
    WaveOutput output;
    if (const std::optional<std::string> refusal = output.open(mother.format)) {
        throw StepFailure("the sound device refused the format: " + *refusal);
    }
    output.play(motherBlocks(mother, range, false));
    const DWORD limit = GetTickCount() + c.waitMs + static_cast<DWORD>(range.count * 1000 / mother.format.sampleRate);
    SoundProgress progress = output.progress();
    while (progress.playing && static_cast<LONG>(limit - GetTickCount()) > 0) {
        Sleep(20);
        progress = output.progress();
    }
    output.stop();
    c.log.line("  played " + std::to_string(progress.framesPlayed) + " of " + std::to_string(range.count) + " frames");
    if (progress.playing) {
        throw StepFailure("still playing after " + std::to_string(c.waitMs) + " ms more than the sound lasts");
    }
    if (!progress.failure.empty()) {
        throw StepFailure("playing failed: " + progress.failure);
    }
}

// The device cannot be opened; its cause is logged.
void expectNoSoundDevice(Context& c, const Step& step)
{
    const MotherSound mother = motherOf(step, 0);
    WaveOutput output;
    const std::optional<std::string> refusal = output.open(mother.format);
    if (!refusal) {
        throw StepFailure("the sound device opened");
    }
    c.log.line("  refused: " + *refusal);
}

using Frames = std::vector<unsigned char>;

// The frames that are not silence: the system may pad what it plays with silent frames before,
// after and (when the feeding falls behind) between the blocks; the Mothers of the scenarios hold
// no silent frame.
Frames soundingFrames(const Frames& bytes, std::size_t frameBytes)
{
    Frames sounding;
    for (std::size_t at = 0; at + frameBytes <= bytes.size(); at += frameBytes) {
        bool silent = true;
        for (std::size_t i = 0; i < frameBytes; ++i) {
            silent = silent && bytes[at + i] == 0;
        }
        if (!silent) {
            sounding.insert(sounding.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                            bytes.begin() + static_cast<std::ptrdiff_t>(at + frameBytes));
        }
    }
    return sounding;
}

// What the device received is exactly these frames of the Mother, in order, and nothing else.
void expectPlayed(Context& c, const Step& step)
{
    const MotherSound mother = motherOf(step, 1);
    const std::uint64_t first = unsignedArg(step, 2);
    const std::uint64_t count = unsignedArg(step, 3);
    const std::size_t frameBytes = mother.format.blockAlign;
    const long long playedBytes = fileLength(step.args[0]);
    if (playedBytes < 0) {
        throw StepFailure("nothing was played: no " + step.args[0]);
    }
    const Frames played = soundingFrames(readBytes(step.args[0], 0, static_cast<std::size_t>(playedBytes)), frameBytes);
    const Frames wanted = soundingFrames(
        readBytes(step.args[1], mother.samplesAt + first * frameBytes, static_cast<std::size_t>(count * frameBytes)),
        frameBytes);
    c.log.line("  played " + std::to_string(playedBytes) + " bytes, " + std::to_string(played.size() / frameBytes) +
               " sounding frames; wanted " + std::to_string(wanted.size() / frameBytes));
    if (played != wanted) {
        std::size_t same = 0;
        while (same < played.size() && same < wanted.size() && played[same] == wanted[same]) {
            ++same;
        }
        throw StepFailure("the frames played differ from frames " + std::to_string(first) + " to " +
                          std::to_string(first + count - 1) + " of the Mother from sounding frame " +
                          std::to_string(same / frameBytes) + " on");
    }
}

// Empties the file the device writes to, so that the next check sees only what comes after.
void clearPlayed(Context&, const Step& step)
{
    const std::string problem = writeFilledFile(step.args[0], 0, 0);
    if (!problem.empty()) {
        throw StepFailure(problem);
    }
}

}  // namespace

const std::vector<StepKind>& soundSteps()
{
    static const std::vector<StepKind> steps = {
        {"play-frames", 3, 3, "play-frames <mother> <first frame> <frames>", playFrames},
        {"expect-no-sound-device", 1, 1, "expect-no-sound-device <mother>", expectNoSoundDevice},
        {"expect-played", 4, 4, "expect-played <played raw file> <mother> <first frame> <frames>", expectPlayed},
        {"clear-played", 1, 1, "clear-played <played raw file>", clearPlayed},
    };
    return steps;
}
