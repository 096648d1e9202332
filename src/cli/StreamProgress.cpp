#include "cli/StreamProgress.h"

#include <string>

#include "cli/ConsoleProgress.h"

namespace {

constexpr double BYTES_PER_MB = 1e6;
constexpr double REDRAW_SECONDS = 0.1;

}  // namespace

StreamProgress::StreamProgress(std::ostream& out, bool terminal, const SplitPlan& plan, bool keepFinished)
    : out_(out), terminal_(terminal), plan_(plan), started_(std::chrono::steady_clock::now()), keepFinished_(keepFinished)
{
}

double StreamProgress::seconds() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
}

void StreamProgress::bytesCopied(const PlannedChild&, std::uint64_t copied)
{
    current_ = copied;
    if (terminal_) {
        draw();
    }
}

void StreamProgress::childFinished(const PlannedChild& child)
{
    const std::uint64_t bytes = childFileHeaderBytes(plan_, child) + child.sampleBytes;
    written_ += bytes;
    current_ = 0;
    ++kept_;
    if (keepFinished_) {
        finished_.push_back(child);
    }
    if (terminal_) {
        draw();
    } else {
        out_ << childName(plan_, child) << "  " << bytes << " bytes\n";
    }
}

// At most ten times a second: a stream's blocks come far more often.
void StreamProgress::draw()
{
    const double elapsed = seconds();
    if (elapsed - lastDrawn_ < REDRAW_SECONDS) {
        return;
    }
    lastDrawn_ = elapsed;
    const double megabytes = static_cast<double>(written_ + current_) / BYTES_PER_MB;
    out_ << "\r" << kept_ << (kept_ == 1 ? " Child  " : " Children  ") << formatted("%.1f", megabytes) << " MB  "
         << formatted("%.1f", elapsed > 0 ? megabytes / elapsed : 0.0) << " MB/s   " << std::flush;
}

void StreamProgress::finish()
{
    interrupt();
    const double elapsed = seconds();
    const double rate = elapsed > 0 ? static_cast<double>(written_) / BYTES_PER_MB / elapsed : 0.0;
    out_ << kept_ << (kept_ == 1 ? " Child, " : " Children, ") << written_ << " bytes in " << formatted("%.2f", elapsed)
         << " s (" << formatted("%.1f", rate) << " MB/s)\n";
}

void StreamProgress::interrupt()
{
    if (terminal_ && lastDrawn_ >= 0.0) {
        out_ << "\n";
        lastDrawn_ = -1.0;
    }
}
