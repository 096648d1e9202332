#include "editor/WaveView.h"

#include <algorithm>

namespace {

__extension__ using Wide = unsigned __int128;

constexpr std::uint64_t BAR_POSITIONS = 0x7FFFFFFF;  // the scroll bar counts in signed 32 bits

std::uint64_t lastFirst(const WaveView& view) { return view.totalFrames - std::min(view.span, view.totalFrames); }

}  // namespace

std::uint64_t mulDiv(std::uint64_t a, std::uint64_t b, std::uint64_t c)
{
    return static_cast<std::uint64_t>(static_cast<Wide>(a) * b / c);
}

WaveView wholeView(std::uint64_t totalFrames, std::uint32_t width) { return {totalFrames, 0, totalFrames, width}; }

WaveView resized(const WaveView& view, std::uint32_t width)
{
    WaveView next = view;
    next.width = width;
    next.span = std::max(view.span, std::min(deepestSpan(next), view.totalFrames));
    return scrolledTo(next, view.first);
}

std::uint64_t frameAt(const WaveView& view, std::int64_t x)
{
    if (view.width == 0 || x <= 0) {
        return x < 0 && view.width != 0
                   ? view.first - std::min(view.first, mulDiv(static_cast<std::uint64_t>(-x), view.span, view.width))
                   : view.first;
    }
    return view.first + mulDiv(static_cast<std::uint64_t>(x), view.span, view.width);
}

std::int64_t columnOf(const WaveView& view, std::uint64_t frame)
{
    if (view.span == 0) {
        return 0;
    }
    if (frame < view.first) {
        const Wide back = static_cast<Wide>(view.first - frame) * view.width;
        return -static_cast<std::int64_t>(std::min<Wide>((back + view.span - 1) / view.span, INT64_MAX));
    }
    // The first column that shows the frame: where it starts when a frame is wider than a column,
    // the column it falls in otherwise.
    const Wide top = static_cast<Wide>(frame - view.first) * view.width;
    auto x = static_cast<std::int64_t>(std::min<Wide>((top + view.span - 1) / view.span, INT64_MAX));
    if (frameAt(view, x) > frame) {
        --x;
    }
    return x;
}

std::uint64_t deepestSpan(const WaveView& view)
{
    return std::max<std::uint64_t>(1, view.width / DEEPEST_PIXELS_PER_FRAME);
}

WaveView zoomed(const WaveView& view, std::int64_t x, bool in)
{
    if (view.width == 0 || view.totalFrames == 0) {
        return view;
    }
    const std::uint64_t under = frameAt(view, x);
    WaveView next = view;
    if (in) {
        next.span = std::max(view.span / 2, std::min(deepestSpan(view), view.span));
    } else {
        next.span = std::min(view.span * 2, view.totalFrames);
    }
    if (next.span == view.totalFrames) {
        next.first = 0;  // the whole view is the whole view again, column for column
        return next;
    }
    const std::uint64_t before =
        mulDiv(static_cast<std::uint64_t>(std::max<std::int64_t>(x, 0)), next.span, view.width);
    return scrolledTo(next, under - std::min(under, before));
}

WaveView scrolledTo(const WaveView& view, std::uint64_t first)
{
    WaveView next = view;
    next.first = std::min(first, lastFirst(view));
    return next;
}

WaveView scrolledBy(const WaveView& view, std::int64_t pixels)
{
    if (view.width == 0) {
        return view;
    }
    const std::uint64_t frames =
        mulDiv(static_cast<std::uint64_t>(pixels < 0 ? -pixels : pixels), view.span, view.width);
    return scrolledTo(view, pixels < 0 ? view.first - std::min(view.first, frames) : view.first + frames);
}

WaveView showing(const WaveView& view, std::uint64_t frame)
{
    if (frame < view.first) {
        return scrolledTo(view, frame);
    }
    if (frame >= view.first + view.span) {
        return scrolledTo(view, frame - view.span + 1);
    }
    return view;
}

ScrollBar scrollBarOf(const WaveView& view)
{
    const std::uint64_t range = lastFirst(view);
    if (range == 0) {
        return {};
    }
    const std::uint64_t positions = std::min(range, BAR_POSITIONS);
    const std::uint64_t page = std::clamp<std::uint64_t>(mulDiv(view.span, positions, range), 1, BAR_POSITIONS);
    // The bar's end is its max less its page plus one: max is positions + page - 1 within 32 bits.
    const std::uint64_t max = std::min<std::uint64_t>(positions + page - 1, BAR_POSITIONS);
    const std::uint64_t usable = max - page + 1;
    return {static_cast<std::int32_t>(max), static_cast<std::int32_t>(page),
            static_cast<std::int32_t>(mulDiv(view.first, usable, range))};
}

std::uint64_t firstOfBar(const WaveView& view, std::int32_t position)
{
    const std::uint64_t range = lastFirst(view);
    const ScrollBar bar = scrollBarOf(view);
    const std::uint64_t usable = static_cast<std::uint64_t>(bar.max) - static_cast<std::uint64_t>(bar.page) + 1;
    if (range == 0 || position <= 0) {
        return 0;
    }
    const auto at = std::min<std::uint64_t>(static_cast<std::uint64_t>(position), usable);
    return at == usable ? range : mulDiv(at, range, usable);
}
