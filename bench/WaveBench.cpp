// Times the waveform drawings of the portable core against reading the same Mother once from start
// to end in the same run: the sampled drawing ("WAVESHOW Ultrafast") of a large Mother reads at
// most 100 frames a column, so it should take a small fraction of one reading; the full drawing
// ("WAVESHOW") of the largest Mother it accepts reads every sample and makes two lines a frame. Drawing goes to a surface that
// only counts, so the figures are the core's own; the window system's share is measured under the
// real program. Figures are printed, never judged.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <optional>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "core/AppState.h"
#include "display/DisplayCommands.h"
#include "ui/Platform.h"
#include "wav/WavHeader.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t CHUNK_BYTES = 64 * 1024;
constexpr int CLIENT_WIDTH = 1008;
constexpr int CLIENT_HEIGHT = 541;

struct Counts {
    std::uint64_t lines = 0;
};

class CountingSurface : public DrawingSurface {
public:
    explicit CountingSurface(Counts& counts) : counts_(counts) {}
    void selectPen(PenRef) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override { ++counts_.lines; }
    void textOut(int, int, std::string_view) override {}
    int textWidth(std::string_view) override { return 0; }

private:
    Counts& counts_;
};

class CountingPlatform : public Platform {
public:
    Counts counts;
    std::optional<std::string> openFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    void messageBox(WindowRef, std::string_view, std::string_view) override {}
    std::uint32_t promptNumber(WindowRef, std::string_view) override { return 0; }
    void runDialog(WindowRef, int, DialogHandler&) override {}
    ClientRect clientRect(WindowRef) override { return {0, 0, CLIENT_WIDTH, CLIENT_HEIGHT}; }
    std::unique_ptr<DrawingSurface> beginDrawing(WindowRef) override
    {
        return std::make_unique<CountingSurface>(counts);
    }
    std::unique_ptr<DrawingSurface> beginOffscreenDrawing(WindowRef w) override { return beginDrawing(w); }
    void openPanel(WindowRef, PanelHandler&) override {}
    void closePanel(WindowRef) override {}
    bool panelOpen(WindowRef) override { return false; }
    void repaintPanel(WindowRef) override {}
    void tickPanel(WindowRef, unsigned) override {}
    std::optional<std::string> promptText(WindowRef, std::string_view, std::string_view) override
    {
        return std::nullopt;
    }
    bool runWithProgress(WindowRef, std::string_view, const std::function<bool(const ProgressTick&)>& work) override
    {
        return work([](std::uint32_t) { return true; });
    }
    void checkMenuItem(WindowRef, int, bool) override {}
    void deletePen(PenRef) override {}
    void destroyWindow(WindowRef) override {}
    std::string fromLegacyCodePage(std::string_view bytes) override { return std::string(bytes); }
    int dotsPerInch(WindowRef) override { return BASE_DOTS_PER_INCH; }
    std::optional<std::string> openSound(const SoundFormat&) override { return "no sound in the benchmark"; }
    void playSound(std::unique_ptr<SoundSource>) override {}
    SoundProgress soundProgress() override { return {}; }
    void stopSound() override {}
};

// A Mother of dataBytes sample bytes: a slow sweep on both channels, written in chunks.
bool writeMother(const std::string& path, std::uint32_t dataBytes)
{
    HeaderBytes header{};
    fillDefaultHeader(header);
    writeHeaderSizes(header, dataBytes);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    bool ok = std::fwrite(header.data(), 1, header.size(), out) == header.size();
    std::vector<std::uint8_t> chunk(CHUNK_BYTES);
    for (std::uint32_t done = 0; ok && done < dataBytes;) {
        const auto n = static_cast<std::uint32_t>(std::min<std::uint64_t>(CHUNK_BYTES, dataBytes - done));
        for (std::uint32_t i = 0; i < n; ++i) {
            chunk[i] = static_cast<std::uint8_t>(((done + i) >> 9) ^ (done + i));
        }
        ok = std::fwrite(chunk.data(), 1, n, out) == n;
        done += n;
    }
    return std::fclose(out) == 0 && ok;
}

double seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void readOnce(const std::string& path)
{
    std::FILE* in = std::fopen(path.c_str(), "rb");
    std::vector<char> chunk(CHUNK_BYTES);
    while (in != nullptr && std::fread(chunk.data(), 1, chunk.size(), in) == chunk.size()) {
    }
    if (in != nullptr) {
        std::fclose(in);
    }
}

// The record as LOAD leaves it for a canonical Mother.
void load(AppState& state, const std::string& path, std::uint32_t dataBytes)
{
    closeMotherStream(state);
    state.motherPath = path;
    state.motherChosen = 1;
    state.motherFileBytes = dataBytes + static_cast<std::uint32_t>(WAV_HEADER_BYTES);
    state.motherReadOffset = WAV_HEADER_BYTES;
    state.motherDataBytes = dataBytes - 68;
    state.motherStream = std::fopen(path.c_str(), "rb");
    std::fseek(state.motherStream, static_cast<long>(WAV_HEADER_BYTES), SEEK_SET);
}

struct Row {
    const char* name;
    double seconds;
    std::uint64_t lines;
};

}  // namespace

int main(int argc, char** argv)
{
    std::uint32_t mib = 1024;
    int repeat = 3;
    fs::path dir = fs::temp_directory_path();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--mib") {
            mib = static_cast<std::uint32_t>(std::min(4000ul, std::strtoul(argv[i + 1], nullptr, 10)));
        } else if (option == "--repeat") {
            repeat = std::max(1, std::atoi(argv[i + 1]));
        } else if (option == "--dir") {
            dir = argv[i + 1];
        }
    }
    const fs::path work = dir / ("morlando-wavebench-" + std::to_string(getpid()));
    fs::create_directories(work);
    // The large Mother, and the largest one that "WAVESHOW" accepts: its 5 859 375-byte file.
    const std::uint32_t sizes[] = {mib * 1024u * 1024u, WAVESHOW_MAX_FILE_BYTES - 44};
    std::printf("client area %d x %d, median of %d rounds, warm cache; ratios against reading the file once\n",
                CLIENT_WIDTH, CLIENT_HEIGHT, repeat);
    std::printf("%-14s %-22s %10s %10s %12s\n", "data bytes", "", "seconds", "ratio", "lines");
    for (const std::uint32_t dataBytes : sizes) {
        const std::string path = (work / "mother.wav").string();
        if (!writeMother(path, dataBytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            fs::remove_all(work);
            return 1;
        }
        AppState state;
        CountingPlatform platform;
        CommandContext ctx{state, platform, nullptr};
        const bool drawsFull = dataBytes + 44 <= WAVESHOW_MAX_FILE_BYTES;
        std::vector<double> reads, sampled, full;
        std::uint64_t sampledLines = 0, fullLines = 0;
        for (int round = 0; round < repeat; ++round) {
            reads.push_back(seconds([&] { readOnce(path); }));
            load(state, path, dataBytes);
            platform.counts = {};
            sampled.push_back(seconds([&] { showWaveSampled(ctx); }));
            sampledLines = platform.counts.lines;
            if (drawsFull) {
                load(state, path, dataBytes);
                platform.counts = {};
                full.push_back(seconds([&] { showWaveFull(ctx); }));
                fullLines = platform.counts.lines;
            }
        }
        const double baseline = median(reads);
        std::vector<Row> rows = {{"read the file once", baseline, 0},
                                 {"WAVESHOW Ultrafast", median(sampled), sampledLines}};
        if (drawsFull) {
            rows.push_back({"WAVESHOW (full)", median(full), fullLines});
        }
        for (const Row& row : rows) {
            std::printf("%-14u %-22s %10.4f %10.4f %12llu\n", dataBytes, row.name, row.seconds, row.seconds / baseline,
                        static_cast<unsigned long long>(row.lines));
        }
        fs::remove(path);
    }
    fs::remove_all(work);
    return 0;
}
