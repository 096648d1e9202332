#include "planning/ClockCuts.h"

#include <cctype>

#include "wav/ChildMetadata.h"

namespace {

__extension__ using UnsignedWide = unsigned __int128;

constexpr std::size_t ORIGINATION_DATE_AT = 320;  // 10 bytes: yyyy-mm-dd, any separator
constexpr std::size_t ORIGINATION_TIME_AT = 330;  // 8 bytes: hh:mm:ss, any separator
constexpr std::int64_t CLOSE_ENOUGH_SECONDS = 2;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Two digits at `at` of the field; none unless both are digits.
std::optional<int> twoDigits(const ChunkBody& bext, std::size_t at)
{
    if (std::isdigit(bext[at]) == 0 || std::isdigit(bext[at + 1]) == 0) {
        return std::nullopt;
    }
    return (bext[at] - '0') * 10 + (bext[at + 1] - '0');
}

std::string twoDigitText(int value)
{
    return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

class AlignedCuts : public StreamRule {
public:
    AlignedCuts(const ClockStart& start, std::shared_ptr<const TimeZone> zone, std::int64_t period, std::int32_t from)
        : start_(start), zone_(std::move(zone)), period_(period), from_(from)
    {
    }

    std::optional<StreamChild> nextChild() override
    {
        for (;;) {
            const std::uint64_t end = nextAlignedCut(start_, *zone_, period_, at_);
            const StreamChild child{number_, at_, end - at_, {}};
            number_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(number_) + 1u);
            at_ = end;
            if (from_ <= 0 || child.number >= from_) {
                return child;
            }
        }
    }

private:
    ClockStart start_;
    std::shared_ptr<const TimeZone> zone_;
    std::int64_t period_;
    std::int32_t from_;
    std::int32_t number_ = 1;
    std::uint64_t at_ = 0;
};

}  // namespace

std::optional<BextStart> startOfBext(const ChunkBody& bext, std::uint32_t rate, const TimeZone& zone)
{
    if (bext.size() < BEXT_TIME_REFERENCE_AT || rate == 0) {
        return std::nullopt;
    }
    const std::optional<int> century = twoDigits(bext, ORIGINATION_DATE_AT);
    const std::optional<int> years = twoDigits(bext, ORIGINATION_DATE_AT + 2);
    const std::optional<int> month = twoDigits(bext, ORIGINATION_DATE_AT + 5);
    const std::optional<int> day = twoDigits(bext, ORIGINATION_DATE_AT + 8);
    const std::optional<int> hour = twoDigits(bext, ORIGINATION_TIME_AT);
    const std::optional<int> minute = twoDigits(bext, ORIGINATION_TIME_AT + 3);
    const std::optional<int> second = twoDigits(bext, ORIGINATION_TIME_AT + 6);
    if (!century || !years || !month || !day || !hour || !minute || !second || *month < 1 || *month > 12 || *day < 1 ||
        *day > 31 || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    const CivilTime midnight{*century * 100 + *years, *month, *day, 0, 0, 0, 0};
    const std::int64_t originationTime = *hour * 3600 + *minute * 60 + *second;
    const std::optional<std::uint64_t> reference = bextTimeReference(bext);
    const auto referenceSeconds = reference ? static_cast<std::int64_t>(*reference / rate) : -1;
    BextStart found;
    found.start.rate = rate;
    if (reference && *reference / rate < static_cast<std::uint64_t>(SECONDS_PER_DAY) &&
        referenceSeconds - originationTime <= CLOSE_ENOUGH_SECONDS &&
        originationTime - referenceSeconds <= CLOSE_ENOUGH_SECONDS) {
        // The day's midnight on the wall clock, read with the offset in force at the start.
        const std::int64_t wall = secondsOfCivil(midnight) + referenceSeconds;
        const Instant at = instantOfWallTime(zone, civilOfSeconds(wall));
        found.start.base = at - referenceSeconds * NANOS_PER_SECOND;
        found.start.frames = static_cast<std::int64_t>(*reference);
        return found;
    }
    CivilTime civil = midnight;
    civil.hour = *hour;
    civil.minute = *minute;
    civil.second = *second;
    found.start.base = instantOfWallTime(zone, civil);
    const std::string told = twoDigitText(*hour) + ":" + twoDigitText(*minute) + ":" + twoDigitText(*second);
    found.warning = reference ? "its TimeReference (" + std::to_string(*reference) +
                                    " samples) is not within 2 s of its OriginationTime " + told +
                                    ": the start is its OriginationTime"
                              : "it has no TimeReference: the start is its OriginationTime " + told;
    return found;
}

std::optional<std::int64_t> alignPeriodOf(const TimeLength& every)
{
    if (every.inFrames || every.denominator == 0 || every.numerator == 0) {
        return std::nullopt;
    }
    const UnsignedWide nanos = static_cast<UnsignedWide>(every.numerator) * NANOS_PER_SECOND;
    constexpr std::int64_t DAY = SECONDS_PER_DAY * NANOS_PER_SECOND;
    if (nanos % every.denominator != 0 || nanos / every.denominator > static_cast<UnsignedWide>(DAY)) {
        return std::nullopt;
    }
    const auto period = static_cast<std::int64_t>(nanos / every.denominator);
    return DAY % period == 0 ? std::optional(period) : std::nullopt;
}

std::uint64_t nextAlignedCut(const ClockStart& start, const TimeZone& zone, std::int64_t period,
                             std::uint64_t afterFrame)
{
    // `after` is the last instant already passed; each round finds the first boundary past it
    // with the offset then in force, or the change of offset before that boundary.
    Instant after = instantOfFrame(start, afterFrame);
    for (;;) {
        const std::int64_t from = floorDiv(after + 1, NANOS_PER_SECOND);
        const std::int32_t offset = offsetAt(zone, from).seconds;
        const Instant wall = after + 1 + static_cast<Instant>(offset) * NANOS_PER_SECOND;
        const Instant boundary = after + 1 + (period - (wall % period + period) % period) % period;
        std::int64_t changed = floorDiv(boundary, NANOS_PER_SECOND);
        if (offsetAt(zone, changed).seconds != offset) {
            // The first second with another offset: the boundaries go on from there.
            std::int64_t same = from;
            while (changed - same > 1) {
                const std::int64_t middle = same + (changed - same) / 2;
                (offsetAt(zone, middle).seconds == offset ? same : changed) = middle;
            }
            after = changed * NANOS_PER_SECOND - 1;
            continue;
        }
        const std::int64_t frame = frameAtOrAfter(start, boundary);
        if (frame > static_cast<std::int64_t>(afterFrame)) {
            return static_cast<std::uint64_t>(frame);
        }
        after = boundary;
    }
}

ChildSpans alignedSpans(const ClockStart& start, const TimeZone& zone, std::int64_t period, std::uint64_t motherFrames)
{
    ChildSpans spans;
    for (std::uint64_t at = 0; at < motherFrames;) {
        const std::uint64_t end = nextAlignedCut(start, zone, period, at);
        spans.push_back({at, (end < motherFrames ? end : motherFrames) - at, {}});
        at = end;
    }
    return spans;
}

std::unique_ptr<StreamRule> alignedRule(const ClockStart& start, std::shared_ptr<const TimeZone> zone,
                                        std::int64_t period, std::int32_t from)
{
    return std::make_unique<AlignedCuts>(start, std::move(zone), period, from);
}
