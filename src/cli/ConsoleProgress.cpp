#include "cli/ConsoleProgress.h"

#include <cstdio>
#include <string>

#include "core/AudioFormat.h"

namespace {

constexpr int BAR_WIDTH = 30;
constexpr double BYTES_PER_MB = 1e6;
constexpr double REDRAW_SECONDS = 0.1;

std::uint64_t samplesFromFirstChild(const SplitPlan& plan)
{
    if (plan.children.empty()) {
        return 0;
    }
    const std::uint64_t skipped = plan.children.front().firstByte - plan.mother.dataAt;
    return plan.mother.sampleBytes > skipped ? plan.mother.sampleBytes - skipped : 0;
}

}  // namespace

std::string formatted(const char* pattern, double value)
{
    char text[64] = {};
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string secondsInMother(std::uint64_t sampleOffset)
{
    return formatted("%.2f s", static_cast<double>(sampleOffset) / BYTES_PER_SECOND);
}

ConsoleProgress::ConsoleProgress(std::ostream& out, bool terminal, const SplitPlan& plan)
    : out_(out), terminal_(terminal), plan_(plan), sampleBytes_(samplesFromFirstChild(plan)),
      expectedChildren_(plan.children.size()), started_(std::chrono::steady_clock::now())
{
}

double ConsoleProgress::seconds() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
}

void ConsoleProgress::childCreated(const PlannedChild& child)
{
    headerOfChild_ = childFileHeaderBytes(plan_, child);
    headerBytes_ += headerOfChild_;
    samplesOfChild_ = 0;
}

void ConsoleProgress::bytesCopied(const PlannedChild&, std::uint64_t copied)
{
    samplesOfChild_ = copied;
    if (terminal_) {
        drawBar();
    }
}

void ConsoleProgress::childFinished(const PlannedChild& child)
{
    samplesDone_ += child.sampleBytes;
    samplesOfChild_ = 0;
    ++kept_;
    if (terminal_) {
        drawBar();
    } else {
        out_ << childName(plan_, child) << "  " << headerOfChild_ + child.sampleBytes << " bytes\n";
    }
}

// A Child an earlier run wrote counts for the share and the Children done, not for the bytes written.
void ConsoleProgress::childKept(const PlannedChild& child)
{
    samplesKept_ += child.sampleBytes;
    ++kept_;
    ++resumed_;
    if (terminal_) {
        drawBar();
    } else {
        out_ << childName(plan_, child) << "  " << childFileHeaderBytes(plan_, child) + child.sampleBytes
             << " bytes  kept as it stood\n";
    }
}

// Redrawn only when the whole percentage or the Children done change, so that a fast split
// spends its time on the disk and not on the terminal.
void ConsoleProgress::drawBar(bool complete)
{
    // The headers are not Mother bytes: the share is counted in samples.
    const std::uint64_t samples = samplesKept_ + samplesDone_ + samplesOfChild_;
    const std::uint64_t share = sampleBytes_ == 0 ? 100 : samples * 100 / sampleBytes_;
    // The last Child may stop short of the Mother's end: a finished split is 100 % all the same.
    const int percent = complete || share > 100 ? 100 : static_cast<int>(share);
    const double elapsed = seconds();
    // Tens of thousands of small Children would redraw the line as often: the count alone
    // moves it at most ten times a second.
    const bool countDue = kept_ != lastKept_ && elapsed - lastDrawn_ >= REDRAW_SECONDS;
    if (percent == lastPercent_ && !countDue && !complete) {
        return;
    }
    lastPercent_ = percent;
    lastKept_ = kept_;
    lastDrawn_ = elapsed;
    const int filled = percent * BAR_WIDTH / 100;
    const double rate = elapsed > 0 ? static_cast<double>(written()) / BYTES_PER_MB / elapsed : 0.0;
    out_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(BAR_WIDTH - filled), '.') << "] " << formatted("%3.0f", percent)
         << " %  " << kept_ << "/" << expectedChildren_ << " Children  " << formatted("%.1f", rate) << " MB/s"
         << std::flush;
}

void ConsoleProgress::finish()
{
    if (terminal_) {
        drawBar(true);
        out_ << "\n";
    }
    const double elapsed = seconds();
    const double rate = elapsed > 0 ? static_cast<double>(written()) / BYTES_PER_MB / elapsed : 0.0;
    const std::size_t made = kept_ - resumed_;
    out_ << made << (made == 1 ? " Child, " : " Children, ") << written() << " bytes in "
         << formatted("%.2f", elapsed) << " s (" << formatted("%.1f", rate) << " MB/s)\n";
    if (resumed_ > 0) {
        out_ << resumed_ << (resumed_ == 1 ? " Child" : " Children") << " already whole, kept as "
             << (resumed_ == 1 ? "it" : "they") << " stood\n";
    }
}

void ConsoleProgress::interrupt()
{
    if (terminal_ && lastPercent_ >= 0) {
        out_ << "\n";
    }
}

std::string framesAsSeconds(std::uint64_t frames, std::uint32_t rate)
{
    if (rate == 0) {
        return "0 s";
    }
    std::uint64_t whole = frames / rate;
    // The rest in millionths, to the nearest: a rest that rounds to a whole second carries.
    std::uint64_t millionths = ((frames % rate) * 2000000 + rate) / (2ull * rate);
    if (millionths == 1000000) {
        ++whole;
        millionths = 0;
    }
    char text[48] = {};
    if (millionths == 0) {
        std::snprintf(text, sizeof text, "%llu s", static_cast<unsigned long long>(whole));
        return text;
    }
    const int length = std::snprintf(text, sizeof text, "%llu.%06llu", static_cast<unsigned long long>(whole),
                                     static_cast<unsigned long long>(millionths));
    std::string shown(text, static_cast<std::size_t>(length));
    shown.erase(shown.find_last_not_of('0') + 1);
    return shown + " s";
}

void listPlan(std::ostream& out, const SplitPlan& plan, std::size_t count)
{
    const std::uint32_t rate = plan.mother.format ? plan.mother.format->sampleRate : 0;
    for (std::size_t i = 0; i < count && i < plan.children.size(); ++i) {
        const PlannedChild& child = plan.children[i];
        out << childName(plan, child) << "  " << childFileHeaderBytes(plan, child) + child.sampleBytes << " bytes  ";
        if (plan.childFmt.empty()) {
            out << "from " << secondsInMother(child.firstByte - plan.mother.dataAt) << " (MOTHER byte "
                << child.firstByte << ")\n";
            continue;
        }
        const std::uint64_t frames = child.sampleBytes / plan.frameBytes;
        const std::uint64_t first = (child.firstByte - plan.mother.dataAt) / plan.frameBytes;
        out << frames << (frames == 1 ? " frame  " : " frames  ") << framesAsSeconds(frames, rate) << "  from "
            << framesAsSeconds(first, rate) << " (frame " << first << ")\n";
    }
}
