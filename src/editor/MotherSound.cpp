#include "editor/MotherSound.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "core/FileIo.h"
#include "editor/ListeningFormat.h"
#include "wav/MotherFacts.h"
#include "wav/SampleFormat.h"

namespace {

class MotherBlocks : public SoundSource {
public:
    MotherBlocks(const MotherSound& mother, FrameRange range, bool listening)
        : path_(mother.path), format_(mother.format), framesLeft_(range.count), listening_(listening)
    {
        stream_ = openFileForReading(mother.path);
        if (stream_ == nullptr) {
            fail();
        } else if (!seekFile(stream_, mother.samplesAt + range.first * mother.format.blockAlign)) {
            fail();
        }
    }
    ~MotherBlocks() override
    {
        if (stream_ != nullptr) {
            std::fclose(stream_);
        }
    }
    MotherBlocks(const MotherBlocks&) = delete;
    MotherBlocks& operator=(const MotherBlocks&) = delete;

    std::size_t read(std::uint8_t* into, std::size_t bytes) override
    {
        if (!failure_.empty() || framesLeft_ == 0 || format_.blockAlign == 0) {
            return 0;
        }
        const std::size_t outFrameBytes = listening_ ? 4 : format_.blockAlign;
        std::size_t frames = bytes / outFrameBytes;
        if (frames > framesLeft_) {
            frames = static_cast<std::size_t>(framesLeft_);
        }
        std::uint8_t* target = into;
        if (listening_) {
            buffer_.resize(frames * format_.blockAlign);
            target = buffer_.data();
        }
        errno = 0;
        const std::size_t got = std::fread(target, format_.blockAlign, frames, stream_);
        if (got < frames) {
            // A Mother that ends early (cut short while it plays) stops the sound, never the program.
            fail();
        }
        if (listening_) {
            toListening(format_, buffer_.data(), got, into);
        }
        framesLeft_ -= got;
        return got * outFrameBytes;
    }

    std::string failure() const override { return failure_; }

private:
    void fail()
    {
        const int cause = errno;
        failure_ = path_ + ": " + (cause != 0 ? std::strerror(cause) : "the file ends before the frames to play");
    }

    std::string path_;
    SoundFormat format_;
    std::uint64_t framesLeft_;
    bool listening_;
    std::FILE* stream_ = nullptr;
    std::vector<std::uint8_t> buffer_;
    std::string failure_;
};

}  // namespace

std::optional<MotherSound> motherSoundOf(const std::string& path)
{
    std::optional<MotherFacts> facts = examineMother(path);
    if (!facts) {
        return std::nullopt;
    }
    std::fclose(facts->stream);
    if (findSplitProblem(*facts) != MotherProblem::None ||
        sampleFormatProblem(facts->layout.format) != FormatProblem::None) {
        return std::nullopt;
    }
    const SoundFormat format = soundFormatOf(facts->layout);
    return MotherSound{path, facts->dataAt, facts->extent.usedDataSize / format.blockAlign, format};
}

std::unique_ptr<SoundSource> motherBlocks(const MotherSound& mother, FrameRange range, bool listening)
{
    return std::make_unique<MotherBlocks>(mother, range, listening);
}
