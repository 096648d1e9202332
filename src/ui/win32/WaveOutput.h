// The sound device through the wave-out functions: one sound at a time, fed by a thread of its own
// that the device wakes (CALLBACK_EVENT) each time it has played a block, so that no callback of
// the device ever calls a wave function and the source is read only as far as it is played.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/SoundDevice.h"

class WaveOutput {
public:
    WaveOutput() = default;
    ~WaveOutput() { stop(); }
    WaveOutput(const WaveOutput&) = delete;
    WaveOutput& operator=(const WaveOutput&) = delete;

    // Nothing when the device is open, the system's cause when it refuses.
    std::optional<std::string> open(const SoundFormat& format);
    void play(std::unique_ptr<SoundSource> source);
    SoundProgress progress();
    void stop();

private:
    // A quarter of a second or so a block, four blocks queued: the device never waits for the disk.
    static constexpr std::size_t BLOCKS = 4;
    static DWORD WINAPI feederThread(LPVOID self);
    void feed();
    // Fills a block from the source and hands it to the device; false when there was nothing left
    // or the device refused it.
    bool queue(WAVEHDR& header, std::vector<char>& bytes);
    void fail(MMRESULT result);

    HWAVEOUT device_ = nullptr;
    HANDLE wake_ = nullptr;
    HANDLE thread_ = nullptr;
    SoundFormat format_;
    std::unique_ptr<SoundSource> source_;
    std::array<WAVEHDR, BLOCKS> headers_{};
    std::array<std::vector<char>, BLOCKS> blocks_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> finished_{false};
    std::string failure_;  // written by the feeder before it sets finished_
    std::uint64_t lastPosition_ = 0;
};

// The system's text for a wave-out result.
std::string waveOutCause(MMRESULT result);
