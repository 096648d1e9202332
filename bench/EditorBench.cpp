// The cut editor's speed on a long Mother: one plain reading of the Mother, the summary made in
// one reading of it, then a repaint, a zoom step and a drag step with 10 000 cuts at every zoom,
// drawn into a surface that counts its calls. It prints the figures and their ratios to the plain
// reading; it asserts nothing.
//   morlando_editorbench [--mib N] [--dir PATH] [--cuts N]
// The Mother is a sparse file (its samples read as silence) unless --dense is given, when a sweep
// is written in full.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/FileIo.h"
#include "editor/CutEditor.h"
#include "editor/EditorPicture.h"
#include "editor/EditorPlan.h"
#include "editor/EditorSession.h"
#include "wav/MotherFacts.h"
#include "wav/WavHeader.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class CountingSurface : public DrawingSurface {
public:
    std::uint64_t calls = 0;
    void selectPen(PenRef) override { ++calls; }
    void moveTo(int, int) override { ++calls; }
    void lineTo(int, int) override { ++calls; }
    void textOut(int, int, std::string_view) override { ++calls; }
    int textWidth(std::string_view text) override { return static_cast<int>(text.size()) * 7; }
};

bool writeMother(const std::string& path, std::uint64_t dataBytes, bool dense)
{
    HeaderBytes header{};
    fillDefaultHeader(header);
    writeHeaderSizes(header, static_cast<std::uint32_t>(dataBytes));
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    bool ok = std::fwrite(header.data(), 1, header.size(), out) == header.size();
    if (dense) {
        std::vector<std::int16_t> chunk(1 << 19);
        for (std::uint64_t done = 0; ok && done < dataBytes;) {
            for (std::size_t i = 0; i < chunk.size(); ++i) {
                chunk[i] = static_cast<std::int16_t>(((done / 2 + i) * 37) % 60000 - 30000);
            }
            const std::size_t bytes =
                static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size() * 2, dataBytes - done));
            ok = std::fwrite(chunk.data(), 1, bytes, out) == bytes;
            done += bytes;
        }
    }
    ok = std::fclose(out) == 0 && ok;
    if (ok && !dense) {
        std::filesystem::resize_file(path, WAV_HEADER_BYTES + dataBytes);
    }
    return ok;
}

double plainReading(const std::string& path)
{
    const Clock::time_point start = Clock::now();
    std::FILE* in = std::fopen(path.c_str(), "rb");
    std::vector<char> block(1 << 20);
    std::uint64_t sum = 0;
    while (in != nullptr) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), in);
        if (got == 0) {
            break;
        }
        sum += static_cast<unsigned char>(block[got - 1]);
    }
    if (in != nullptr) {
        std::fclose(in);
    }
    std::printf("  (read checksum %llu)\n", static_cast<unsigned long long>(sum));
    return millisecondsSince(start);
}

}  // namespace

int main(int argc, char** argv)
{
    std::uint64_t mib = 4095;
    std::size_t cutCount = 10000;
    bool dense = false;
    std::string dir = std::filesystem::temp_directory_path().string();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--mib" && i + 1 < argc) {
            mib = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--cuts" && i + 1 < argc) {
            cutCount = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--dir" && i + 1 < argc) {
            dir = argv[++i];
        } else if (arg == "--dense") {
            dense = true;
        } else {
            std::fprintf(stderr, "usage: morlando_editorbench [--mib N] [--cuts N] [--dir PATH] [--dense]\n");
            return 2;
        }
    }
    const std::string path =
        dir + "/morlando-editorbench-" + std::to_string(static_cast<long long>(::getpid())) + ".wav";
    const std::uint64_t dataBytes = mib * 1024 * 1024 / 4 * 4;
    std::printf("Mother: %llu MiB of 16-bit stereo 44.1 kHz, %s, %zu cuts\n", static_cast<unsigned long long>(mib),
                dense ? "written in full" : "sparse", cutCount);
    if (!writeMother(path, dataBytes, dense)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    const double plain = plainReading(path);

    MotherSource mother;
    mother.path = path;
    mother.dataAt = WAV_HEADER_BYTES;
    mother.sampleBytes = dataBytes;
    mother.fileBytes = WAV_HEADER_BYTES + dataBytes;
    mother.format = WavFormat{1, 2, 44100, 176400, 4, 16, 0};
    const std::uint64_t frames = framesOf(mother);
    MotherFrames reading(mother);
    const FrameReader read = reading.reader();
    const SampleLayout layout{SampleKind::Signed16, 2, 2, 4};
    Clock::time_point start = Clock::now();
    const std::optional<WaveSummary> summary = summarize(read, layout, frames, [](std::uint64_t) { return true; });
    const double summaryMs = millisecondsSince(start);

    EditorCuts cuts(frames);
    for (std::size_t i = 1; i <= cutCount; ++i) {
        static_cast<void>(cuts.insert({frames / (cutCount + 1) * i, i % 2 == 0 ? "song" : ""}));
    }
    start = Clock::now();
    const std::vector<std::string> names = childNamesOf(cuts, mother, {"/tmp/concert", 1, 0, 0}, 0);
    const double namesMs = millisecondsSince(start);
    CutEditor editor(cuts, 1008);
    const ClientRect area{0, 0, 1008, 541};
    WavePicture picture;
    CountingSurface surface;
    const PanelPens pens{};
    const auto repaint = [&] {
        const EditorScene scene{editor, *summary, read, names, 44100, nullptr, nullptr, nullptr, pens, std::nullopt};
        drawEditor(surface, area, scene, picture);
    };

    std::printf("plain reading of the Mother      %10.1f ms\n", plain);
    std::printf(
        "summary, one reading             %10.1f ms  (%.2f x the plain reading), %llu bytes = 1/%llu of the Mother\n",
        summaryMs, summaryMs / plain, static_cast<unsigned long long>(summary->bytes()),
        static_cast<unsigned long long>(dataBytes / std::max<std::uint64_t>(summary->bytes(), 1)));
    std::printf("Child names of %zu cuts        %10.2f ms\n", cutCount, namesMs);
    std::printf("%-6s %14s %12s %14s %14s\n", "zoom", "span frames", "repaint ms", "drag step ms", "zoom step ms");
    double worst = 0;
    for (int level = 0;; ++level) {
        const WaveView view = editor.view();
        const int rounds = 5;
        start = Clock::now();
        for (int r = 0; r < rounds; ++r) {
            repaint();
        }
        const double repaintMs = millisecondsSince(start) / rounds;
        // A drag of a cut on screen by a pixel at a time, each step repainted; close up, where no
        // cut is on screen, one is placed first.
        std::size_t index = editor.cuts().firstFrom(view.first);
        if (index >= editor.cuts().size() || editor.cuts().cuts()[index].frame >= view.first + view.span / 2) {
            editor.click(view.width / 2);
            editor.addAtCursor();
            index = *editor.selected();
        }
        const std::int64_t x = columnOf(view, editor.cuts().cuts()[index].frame);
        double dragMs = -1;
        if (editor.beginDrag(x)) {
            start = Clock::now();
            for (int step = 1; step <= rounds; ++step) {
                editor.dragTo(x + step);
                repaint();
            }
            dragMs = millisecondsSince(start) / rounds;
            editor.cancelDrag();
        }
        start = Clock::now();
        editor.zoomAt(504, true);
        repaint();
        const double zoomMs = millisecondsSince(start);
        worst = std::max({worst, repaintMs, zoomMs, dragMs});
        std::printf("%-6d %14llu %12.2f %14.2f %14.2f\n", level, static_cast<unsigned long long>(view.span), repaintMs,
                    dragMs, zoomMs);
        if (editor.view().span == view.span) {
            break;  // the deepest zoom
        }
    }
    std::printf("slowest step                     %10.2f ms  (%.4f x the plain reading)\n", worst, worst / plain);
    std::printf("  (%llu drawing calls)\n", static_cast<unsigned long long>(surface.calls));
    std::filesystem::remove(path);
    return 0;
}
