#include "ui/win32/WaveOutput.h"

std::string waveOutCause(MMRESULT result)
{
    std::array<char, MAXERRORLENGTH> text{};
    if (waveOutGetErrorTextA(result, text.data(), static_cast<UINT>(text.size())) != MMSYSERR_NOERROR) {
        return "wave-out error " + std::to_string(result);
    }
    return text.data();
}

std::optional<std::string> WaveOutput::open(const SoundFormat& format)
{
    stop();
    wake_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (wake_ == nullptr) {
        return "CreateEvent failed: " + std::to_string(GetLastError());
    }
    const std::vector<std::uint8_t> formatBytes = waveFormatBytes(format);
    const MMRESULT result =
        waveOutOpen(&device_, WAVE_MAPPER, reinterpret_cast<const WAVEFORMATEX*>(formatBytes.data()),
                    reinterpret_cast<DWORD_PTR>(wake_), 0, CALLBACK_EVENT);
    if (result != MMSYSERR_NOERROR) {
        device_ = nullptr;
        CloseHandle(wake_);
        wake_ = nullptr;
        return waveOutCause(result);
    }
    format_ = format;
    lastPosition_ = 0;
    return std::nullopt;
}

void WaveOutput::play(std::unique_ptr<SoundSource> source)
{
    if (device_ == nullptr || thread_ != nullptr) {
        return;
    }
    source_ = std::move(source);
    stopping_ = false;
    finished_ = false;
    failure_.clear();
    const std::size_t frameBytes = format_.blockAlign == 0 ? 1 : format_.blockAlign;
    const std::size_t blockFrames = format_.sampleRate / 4 + 1;
    for (std::size_t i = 0; i < BLOCKS; ++i) {
        blocks_[i].assign(blockFrames * frameBytes, 0);
        headers_[i] = WAVEHDR{};
        headers_[i].dwFlags = WHDR_DONE;  // free to be filled
    }
    thread_ = CreateThread(nullptr, 0, feederThread, this, 0, nullptr);
    if (thread_ == nullptr) {
        failure_ = "CreateThread failed: " + std::to_string(GetLastError());
        finished_ = true;
    }
}

DWORD WINAPI WaveOutput::feederThread(LPVOID self)
{
    static_cast<WaveOutput*>(self)->feed();
    return 0;
}

bool WaveOutput::queue(WAVEHDR& header, std::vector<char>& bytes)
{
    if (header.dwFlags & WHDR_PREPARED) {
        waveOutUnprepareHeader(device_, &header, sizeof(header));
    }
    const std::size_t got = source_->read(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size());
    if (got == 0) {
        header.dwFlags = WHDR_DONE;
        return false;
    }
    header = WAVEHDR{};
    header.lpData = bytes.data();
    header.dwBufferLength = static_cast<DWORD>(got);
    MMRESULT result = waveOutPrepareHeader(device_, &header, sizeof(header));
    if (result == MMSYSERR_NOERROR) {
        result = waveOutWrite(device_, &header, sizeof(header));
    }
    if (result != MMSYSERR_NOERROR) {
        fail(result);
        header.dwFlags |= WHDR_DONE;
        return false;
    }
    return true;
}

void WaveOutput::fail(MMRESULT result)
{
    if (failure_.empty()) {
        failure_ = waveOutCause(result);
    }
    stopping_ = true;
}

// The feeder: whenever the device is done with a block, the next frames go into it, until the
// source has given everything and the device has played it, or a stop.
void WaveOutput::feed()
{
    bool sourceEnded = false;
    while (!stopping_) {
        bool anyQueued = false;
        for (std::size_t i = 0; i < BLOCKS && !stopping_; ++i) {
            if ((headers_[i].dwFlags & WHDR_DONE) != 0 && !sourceEnded) {
                sourceEnded = !queue(headers_[i], blocks_[i]);
                if (sourceEnded && failure_.empty()) {
                    failure_ = source_->failure();
                }
            }
            anyQueued = anyQueued || (headers_[i].dwFlags & WHDR_DONE) == 0;
        }
        if (!anyQueued) {
            break;
        }
        WaitForSingleObject(wake_, 100);
    }
    finished_ = true;
}

SoundProgress WaveOutput::progress()
{
    if (device_ == nullptr) {
        return {};
    }
    MMTIME time{};
    time.wType = TIME_SAMPLES;
    if (waveOutGetPosition(device_, &time, sizeof(time)) == MMSYSERR_NOERROR) {
        std::uint64_t frames = lastPosition_;
        if (time.wType == TIME_SAMPLES) {
            frames = time.u.sample;
        } else if (time.wType == TIME_BYTES && format_.blockAlign != 0) {
            frames = time.u.cb / format_.blockAlign;
        }
        // The device counts in 32 bits: a day of sound at 48 kHz goes round once.
        while (frames + 0x80000000ull < lastPosition_) {
            frames += 0x100000000ull;
        }
        lastPosition_ = frames;
    }
    const bool done = finished_;
    return {lastPosition_, !done, done ? failure_ : std::string()};
}

void WaveOutput::stop()
{
    if (thread_ != nullptr) {
        stopping_ = true;
        SetEvent(wake_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    if (device_ != nullptr) {
        waveOutReset(device_);
        for (WAVEHDR& header : headers_) {
            if (header.dwFlags & WHDR_PREPARED) {
                waveOutUnprepareHeader(device_, &header, sizeof(header));
            }
        }
        waveOutClose(device_);
        device_ = nullptr;
    }
    if (wake_ != nullptr) {
        CloseHandle(wake_);
        wake_ = nullptr;
    }
    source_.reset();
    finished_ = false;
}
