// The editor's geometry: the whole view's columns, zooming about the pointer, the deepest zoom
// and the 32-bit scroll bar of a Mother of more than 4 GiB.
#include "editor/WaveView.h"

#include <gtest/gtest.h>

namespace {

// A two-hour concert at 44.1 kHz, and a Mother of 6 GiB of 16-bit stereo.
constexpr std::uint64_t CONCERT = 7200ull * 44100;
constexpr std::uint64_t SIX_GIB = 6ull * 1024 * 1024 * 1024 / 4;

TEST(WaveView, TheWholeViewPutsColumnXAtXTimesFOverW)
{
    const WaveView view = wholeView(CONCERT, 1000);
    struct Row {
        std::int64_t x;
        std::uint64_t frame;
    };
    for (const Row& row : {Row{0, 0}, Row{1, 317520}, Row{999, 317202480}, Row{500, 158760000}}) {
        EXPECT_EQ(frameAt(view, row.x), row.frame) << row.x;
        EXPECT_EQ(columnOf(view, row.frame), row.x);
        EXPECT_EQ(columnOf(view, row.frame + 317519), row.x);
    }
    const WaveView odd = wholeView(1001, 3);  // 333.67 frames a column
    EXPECT_EQ(frameAt(odd, 1), 333u);
    EXPECT_EQ(frameAt(odd, 2), 667u);
    EXPECT_EQ(columnOf(odd, 332), 0);
    EXPECT_EQ(columnOf(odd, 333), 1);
    EXPECT_EQ(columnOf(odd, 667), 2);
}

TEST(WaveView, AZoomKeepsTheFrameUnderThePointerWithinOnePixel)
{
    for (std::uint64_t total : {CONCERT, SIX_GIB, std::uint64_t{1000000}}) {
        for (std::int64_t x : {1, 137, 512, 1023}) {
            WaveView view = wholeView(total, 1024);
            // In to the deepest and out again, the pointer still over its frame.
            for (int step = 0; step < 60; ++step) {
                const bool in = step < 30;
                const std::uint64_t under = frameAt(view, x);
                const WaveView next = zoomed(view, x, in);
                // The columns that show the frame, a frame being wider than a pixel close up.
                const std::int64_t from = columnOf(next, under);
                const std::int64_t to = std::max(from, columnOf(next, under + 1) - 1);
                if (next.first != 0 && next.first + next.span != total) {
                    EXPECT_GE(x, from - 1) << total << " x " << x << " step " << step << " span " << next.span;
                    EXPECT_LE(x, to + 1) << total << " x " << x << " step " << step << " span " << next.span;
                }
                view = next;
            }
            EXPECT_EQ(view, wholeView(total, 1024)) << total;
        }
    }
}

TEST(WaveView, TheDeepestZoomShowsAtLeastEightPixelsAFrame)
{
    WaveView view = wholeView(CONCERT, 1024);
    for (int step = 0; step < 40; ++step) {
        view = zoomed(view, 300, true);
    }
    EXPECT_EQ(view.span, 128u);
    EXPECT_EQ(columnOf(view, view.first + 1) - columnOf(view, view.first), 8);
}

TEST(WaveView, TheScrollBarReachesTheEndOfAMotherOfMoreThan4GiB)
{
    WaveView view = wholeView(SIX_GIB, 1000);
    for (int step = 0; step < 20; ++step) {
        view = zoomed(view, 0, true);
    }
    const ScrollBar start = scrollBarOf(view);
    EXPECT_EQ(start.position, 0);
    EXPECT_GT(start.max, 0);
    const std::int32_t last = start.max - start.page + 1;
    const WaveView end = scrolledTo(view, firstOfBar(view, last));
    EXPECT_EQ(end.first + end.span, SIX_GIB);
    EXPECT_EQ(scrollBarOf(end).position, last);
    const WaveView middle = scrolledTo(view, firstOfBar(view, last / 2));
    EXPECT_NEAR(static_cast<double>(middle.first), static_cast<double>(SIX_GIB - view.span) / 2, SIX_GIB / 1e6);
    EXPECT_EQ(scrollBarOf(wholeView(SIX_GIB, 1000)), ScrollBar{});
}

TEST(WaveView, ShowingScrollsTheLeastToAFrame)
{
    WaveView view = scrolledTo(zoomed(zoomed(wholeView(1000000, 100), 0, true), 0, true), 0);
    EXPECT_EQ(view.span, 250000u);
    EXPECT_EQ(showing(view, 100).first, 0u);
    EXPECT_EQ(showing(view, 300000).first, 50001u);
    EXPECT_EQ(showing(scrolledTo(view, 600000), 10).first, 10u);
}

}  // namespace
