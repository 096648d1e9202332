// Any bytes as a Mother arriving on standard input, torn into pieces of the sizes the input's
// first bytes give, and the same bytes as a Mother file. The stream's head is read as the command
// line reads it, then the whole stream is split through the command line's own path for "-":
// either it is refused with its cause, or it is a format the split can cut, and each Child it
// writes is a whole WAV of that format. When the file of the same bytes is taken, the head finds
// the file's format and sample extent, and the split of the stream writes the file's Children
// byte for byte.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "cli/CliRun.h"
#include "cli/StandardInput.h"
#include "planning/CutTexts.h"
#include "support/ScratchFiles.h"
#include "wav/MotherFacts.h"
#include "wav/SampleFormat.h"
#include "wav/WavChunks.h"
#include "wav/WavStream.h"

namespace {

// A Mother of at most 16 KiB, cut every 256 frames or more: 64 Children at the most.
constexpr std::size_t MOST_MOTHER_BYTES = 16 * 1024;
constexpr std::size_t PIECE_SIZES = 4;

using Bytes = std::vector<std::uint8_t>;

// How the stream arrives and how it is cut, from the input's first 6 bytes.
struct StreamPlan {
    // The sizes of the reads, in turn; a 0 is a read that finds nothing yet, and the next one
    // then gives at least a byte.
    std::array<std::uint8_t, PIECE_SIZES> pieces{};
    bool atSilence = false;
    std::uint32_t everyFrames = 256;
};

StreamPlan takePlan(FuzzBytes& input)
{
    StreamPlan plan;
    for (std::uint8_t& piece : plan.pieces) {
        piece = input.byte();
    }
    const std::uint8_t rule = input.byte();
    plan.atSilence = (rule & 1) != 0;
    plan.everyFrames = 256 * (1 + (rule >> 1));
    return plan;
}

// The bytes handed out as a pipe hands them out: in pieces, with reads that find nothing yet.
class PipeOf {
public:
    PipeOf(const Bytes& bytes, const StreamPlan& plan) : bytes_(bytes), plan_(plan) {}

    StreamRead read(std::uint8_t* into, std::size_t most)
    {
        require(most > 0, "a read asks for at least a byte");
        const std::size_t piece = plan_.pieces[turn_++ % PIECE_SIZES];
        if (piece == 0 && !waited_) {
            waited_ = true;
            return {0, false, 0};
        }
        waited_ = false;
        if (at_ == bytes_.size()) {
            return {0, true, 0};
        }
        const std::size_t count = std::min({std::max<std::size_t>(piece, 1), most, bytes_.size() - at_});
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(at_), count, into);
        at_ += count;
        return {count, false, 0};
    }

    std::size_t readBytes() const { return at_; }

private:
    const Bytes& bytes_;
    const StreamPlan& plan_;
    std::size_t at_ = 0;
    std::size_t turn_ = 0;
    bool waited_ = false;
};

// The head as the command line reads it: read on until the bytes asked for came or the stream ended.
StreamHead headOf(const Bytes& bytes, const StreamPlan& plan)
{
    PipeOf pipe(bytes, plan);
    const StreamHead head = readStreamHead([&pipe](std::uint8_t* into, std::size_t wanted) {
        std::size_t got = 0;
        while (got < wanted) {
            const StreamRead read = pipe.read(into + got, wanted - got);
            if (read.bytes == 0 && read.ended) {
                break;
            }
            got += read.bytes;
        }
        return got;
    });
    require(head.bytesRead == pipe.readBytes(), "the head counts every byte it read");
    require(head.bytesRead <= bytes.size(), "the head reads no byte the stream does not have");
    require(head.headerBytesRead == std::min<std::uint64_t>(head.bytesRead, 44), "the header read is the first 44");
    return head;
}

// A head the file of the same bytes agrees with: the file's format, its samples from the same
// byte on, and the size its header gives unless that size was never finished.
void checkHeadAgainstFile(const StreamHead& head, const std::string& path, const Bytes& bytes)
{
    const std::optional<MotherFacts> facts = examineMother(path);
    require(facts.has_value(), "the Mother file can be looked at");
    std::fclose(facts->stream);
    const std::uint64_t frame = facts->layout.format.blockAlign;
    if (findSplitProblem(*facts) != MotherProblem::None ||
        sampleFormatProblem(facts->layout.format) != FormatProblem::None || facts->extent.usedDataSize / frame == 0 ||
        facts->dataAt + facts->extent.usedDataSize > bytes.size()) {
        return;  // the file is not taken: nothing to agree with
    }
    require(head.layout.data.has_value(), "the stream finds the file's data chunk");
    require(head.layout.format == facts->layout.format, "the stream's format is the file's");
    require(head.bytesRead == facts->dataAt, "the stream's samples start at the file's first sample byte");
    require(head.layout.rf64 == facts->layout.rf64, "the stream is RF64 when the file is");
    // A size the header gives is the file's; without one both take the samples to the end.
    if (head.sampleBytes) {
        require(*head.sampleBytes == facts->extent.headerDataSize, "a size the stream's header gives is the file's");
    } else {
        require(facts->layout.dataLast && facts->extent.usedDataSize == (bytes.size() - facts->dataAt) / frame * frame,
                "a stream without a size takes the file's samples to its end");
    }
}

// The words after the program's name, for a Mother and a folder of Children.
std::vector<std::string> argsOf(const StreamPlan& plan, const std::string& folder, const std::string& mother)
{
    // A small copy block: the file's Children are copied in many steps, and a run stays quick.
    std::vector<std::string> args = {"--quiet", "--no-metadata", "--block", "4096", "--name", folder + "/k.wav"};
    if (plan.atSilence) {
        args.push_back("--at-silence");
    } else {
        args.insert(args.end(), {"--every", std::to_string(plan.everyFrames) + "f"});
    }
    args.push_back(mother);
    return args;
}

std::map<std::string, Bytes> filesIn(const std::string& folder)
{
    std::map<std::string, Bytes> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename().string()] = readWhole(entry.path().string());
    }
    return files;
}

// Each Child a whole WAV of a format the split can cut: named k, a number, .WAV, its samples
// running from its data chunk's header to its end as the header's size says, in whole frames.
void checkChild(const std::string& name, const Bytes& child)
{
    require(name.size() > 5 && name.starts_with("k") && name.ends_with(".WAV") &&
                std::all_of(name.begin() + 1, name.end() - 4, [](char c) { return c >= '0' && c <= '9'; }),
            "only Children are left in the folder, no temporary file");
    const WavLayout layout = walkWavChunks(child.size(), [&child](std::uint64_t at, std::uint8_t* into, std::size_t n) {
        const std::size_t got = at < child.size() ? std::min<std::size_t>(n, child.size() - at) : 0;
        std::copy_n(child.begin() + static_cast<std::ptrdiff_t>(std::min<std::uint64_t>(at, child.size())), got, into);
        return got;
    });
    require(layout.riffWave && layout.fmt && layout.data, "a Child is a RIFF WAVE with its format and samples");
    require(sampleFormatProblem(layout.format) == FormatProblem::None, "a Child is of a format the split can cut");
    require(layout.data->bodyAt + layout.dataBytes == child.size(), "a Child's data size is its samples'");
    require(layout.dataBytes > 0 && layout.dataBytes % layout.format.blockAlign == 0, "a Child holds whole frames");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes input(data, size);
    const StreamPlan plan = takePlan(input);
    const Bytes bytes = input.rest();
    if (bytes.size() > MOST_MOTHER_BYTES) {
        return 0;
    }
    const ScratchFolder folder;
    const std::string motherPath = folder.write("mother.wav", bytes);
    const StreamHead head = headOf(bytes, plan);
    checkHeadAgainstFile(head, motherPath, bytes);

    const std::string fileFolder = folder.path("file");
    const std::string streamFolder = folder.path("stream");
    std::filesystem::create_directory(fileFolder);
    std::filesystem::create_directory(streamFolder);
    std::ostringstream out;
    std::ostringstream err;
    const int fileStatus = runCli(argsOf(plan, fileFolder, motherPath), CliConsole{out, err});

    PipeOf pipe(bytes, plan);
    const StandardInput standardInput{
        [&pipe](std::uint8_t* into, std::size_t most) { return pipe.read(into, most); }, {}, nullptr};
    std::ostringstream streamOut;
    std::ostringstream streamErr;
    CliConsole console{streamOut, streamErr};
    console.input = &standardInput;
    const int streamStatus = runCli(argsOf(plan, streamFolder, "-"), console);

    const std::map<std::string, Bytes> children = filesIn(streamFolder);
    for (const auto& [name, child] : children) {
        checkChild(name, child);
    }
    require(streamStatus == EXIT_DONE || streamStatus == EXIT_REFUSED, "a stream is split or refused");
    if (streamStatus != EXIT_DONE) {
        require(streamErr.str().find(cuttext::STREAM_NAME) != std::string::npos,
                "a refused stream is named with its cause");
    }
    if (fileStatus == EXIT_DONE) {
        require(streamStatus == EXIT_DONE, "a stream of a file the split takes is taken");
        require(children == filesIn(fileFolder), "the stream's Children are the file's, byte for byte");
    }
    require(readWholeFile(motherPath) == bytes, "the Mother file is unchanged");
    return 0;
}
