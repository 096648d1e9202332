#include "cli/CliOptions.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <utility>

#include "cut/PieceLength.h"
#include "planning/ClockCuts.h"
#include "planning/ClockNames.h"
#include "planning/SplitPlan.h"
#include "planning/TimeZone.h"

namespace {

constexpr std::uint32_t LARGEST_FROM = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());

// A whole decimal number of digits only, within 1..largest.
std::optional<std::uint32_t> parseCount(const std::string& text, std::uint32_t largest)
{
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value == 0 || value > largest) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::string largestEvery()
{
    const std::uint32_t largest = largestUnitCount(TimeUnit::Hundredths);
    const std::string cents = std::to_string(largest % 100);
    return std::to_string(largest / 100) + "." + (cents.size() < 2 ? "0" : "") + cents + "s";
}

// A level in dBFS: an optional minus sign, digits and decimals, at most 0; none otherwise.
std::optional<double> parseDecibels(const std::string& text)
{
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || stop != end || !(value <= 0.0) || value < -1000.0) {
        return std::nullopt;
    }
    return value;
}

class Parser {
public:
    explicit Parser(const std::vector<std::string>& args) : args_(args) {}

    ParsedOptions run()
    {
        // On to the end even after a problem: a --help further on still answers.
        for (index_ = 0; index_ < args_.size(); ++index_) {
            take(args_[index_]);
        }
        if (options_.help || options_.version) {
            return {options_, {}};
        }
        if (problem_.empty()) {
            checkWhole();
        }
        if (!problem_.empty()) {
            return {std::nullopt, problem_};
        }
        return {options_, {}};
    }

private:
    void take(const std::string& word)
    {
        if (optionsEnded_ || word == "-" || word.rfind("-", 0) != 0) {
            positionals_.push_back(word);
        } else if (word == "--") {
            optionsEnded_ = true;
        } else if (word == "--help" || word == "-h") {
            options_.help = true;
        } else if (word == "--version") {
            options_.version = true;
        } else if (word == "--dry-run") {
            options_.dryRun = true;
        } else if (word == "--resume") {
            options_.resume = true;
        } else if (word == "--sync") {
            options_.sync = true;
        } else if (word == "--quiet" || word == "-q") {
            options_.quiet = true;
        } else if (word == "--default-header") {
            options_.cut.carryLikeHeader = false;
        } else if (word == "--window-rules") {
            options_.cut.windowRules = true;
        } else if (word == "--at-markers") {
            chooseLength(CutRule::Markers, word);
        } else if (word == "--at-silence") {
            chooseLength(CutRule::Silence, word);
        } else if (word == "--align") {
            options_.cut.align = true;
        } else if (word == "--no-metadata") {
            options_.cut.metadata = false;
        } else {
            takeWithValue(word);
        }
    }

    // "--name VALUE" or "--name=VALUE".
    void takeWithValue(const std::string& word)
    {
        const std::size_t equals = word.find('=');
        const std::string option = word.substr(0, equals);
        if (option != "--every" && option != "--pieces" && option != "--like" && option != "--from" &&
            option != "--name" && option != "--block" && option != "--at-labels" && option != "--at-cue" &&
            option != "--silence-db" && option != "--silence-min" && option != "--min-piece" && option != "--into" &&
            option != "--jobs" && option != "--digits" && option != "--list" && option != "--start" &&
            option != "--tz" && option != "--time-name") {
            setProblem("unknown option " + option);
            return;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (index_ + 1 < args_.size()) {
            value = args_[++index_];
        } else {
            setProblem(option + " needs a value");
            return;
        }
        setValue(option, value);
    }

    void setValue(const std::string& option, const std::string& value)
    {
        if (option == "--every") {
            chooseLength(CutRule::Time, option);
            everyText_ = value;  // read once the whole line says which rules apply
        } else if (option == "--pieces") {
            chooseLength(CutRule::Count, option);
            options_.cut.pieces = parseCount(value, std::numeric_limits<std::uint32_t>::max()).value_or(0);
            refuseUnless(options_.cut.pieces != 0, option, value, "a whole number of pieces from 1");
        } else if (option == "--like") {
            chooseLength(CutRule::Like, option);
            options_.cut.likePath = value;
            refuseUnless(!value.empty(), option, value, "the name of a template WAV");
        } else if (option == "--at-labels" || option == "--at-cue") {
            chooseLength(option == "--at-labels" ? CutRule::Labels : CutRule::Cue, option);
            options_.cut.marksPath = value;
            refuseUnless(!value.empty(), option, value, option == "--at-labels" ? "a label list" : "a CUE sheet");
        } else if (option == "--silence-db") {
            silenceOptions_.push_back(option);
            const std::optional<double> db = parseDecibels(value);
            options_.cut.silenceDb = db.value_or(0.0);
            refuseUnless(db.has_value(), option, value, "a level in dBFS of 0 or below, such as -50 or -42.5");
        } else if (option == "--silence-min" || option == "--min-piece") {
            silenceOptions_.push_back(option);
            const std::optional<TimeLength> length =
                value == "0" && option == "--min-piece" ? TimeLength{true, 0, 0, 1} : parseDuration(value);
            (option == "--silence-min" ? options_.cut.silenceMin : options_.cut.minPiece) =
                length.value_or(TimeLength{});
            refuseUnless(length.has_value(), option, value, "a duration such as 1s, 500ms or 48000f");
        } else if (option == "--from") {
            options_.cut.from = static_cast<std::int32_t>(parseCount(value, LARGEST_FROM).value_or(0));
            refuseUnless(options_.cut.from != 0, option, value,
                         "the number of the first piece to write, from 1 to " + std::to_string(LARGEST_FROM));
        } else if (option == "--into") {
            options_.into = value;
            refuseUnless(!value.empty(), option, value, "the folder of the Children");
        } else if (option == "--jobs") {
            options_.jobs = parseCount(value, MOST_JOBS).value_or(0);
            refuseUnless(options_.jobs != 0, option, value,
                         "the MOTHERs split at a time, from 1 to " + std::to_string(MOST_JOBS));
        } else if (option == "--digits") {
            options_.cut.digits = value == "auto" ? DIGITS_OF_LAST_NUMBER
                                                  : static_cast<std::int32_t>(
                                                        parseCount(value, MOST_DIGITS).value_or(0));
            refuseUnless(options_.cut.digits != 0, option, value,
                         "auto or the digits of each Child's number, from 1 to " + std::to_string(MOST_DIGITS));
        } else if (option == "--list") {
            options_.listPath = value;
            refuseUnless(!value.empty(), option, value, "the file of the list, such as children.csv or children.json");
        } else if (option == "--start") {
            options_.cut.start = value;
            refuseUnless(parseStartText(value).has_value(), option, value,
                         "now or an ISO 8601 time such as 2026-12-10T13:59:30, 2026-12-10T13:59:30.25Z or "
                         "2026-12-10T13:59:30+01:00");
        } else if (option == "--tz") {
            options_.cut.zone = value;
            const ZoneChoice zone = zoneOf(value);
            if (!zone.zone) {
                setProblem(zone.problem);
            }
        } else if (option == "--time-name") {
            options_.cut.timeName = value;
            if (const std::optional<std::string> problem = clockPatternProblem(value)) {
                setProblem(*problem);
            }
        } else if (option == "--name") {
            options_.name = value;
            refuseUnless(!value.empty(), option, value, "a folder and stem such as out/take");
        } else {
            options_.cut.blockBytes = parseCount(value, COPY_BLOCK_MAX).value_or(0);
            refuseUnless(options_.cut.blockBytes != 0, option, value,
                         "a number of bytes from 1 to " + std::to_string(COPY_BLOCK_MAX));
        }
    }

    void chooseLength(CutRule choice, const std::string& option)
    {
        if (options_.cut.rule != CutRule::None) {
            setProblem(option + ": choose the piece length once, with one of --every, --pieces, --like, --at-markers, "
                                "--at-labels, --at-cue or --at-silence");
        }
        options_.cut.rule = choice;
    }

    void refuseUnless(bool good, const std::string& option, const std::string& value, const std::string& wanted)
    {
        if (!good) {
            setProblem(option + " " + (value.empty() ? "\"\"" : value) + ": expected " + wanted);
        }
    }

    // The first problem of the line is the one told.
    void setProblem(std::string problem)
    {
        if (problem_.empty()) {
            problem_ = std::move(problem);
        }
    }

    // --every as the rules of the line read it: a duration in the Mother's own time, or the
    // window's whole hundredths.
    void readEvery()
    {
        if (options_.cut.rule != CutRule::Time) {
            return;
        }
        if (options_.cut.windowRules) {
            const std::optional<std::uint32_t> hundredths = parseHundredths(everyText_);
            options_.cut.hundredths = hundredths.value_or(0);
            refuseUnless(hundredths.has_value(), "--every", everyText_,
                         "a length the time cuts can choose: whole hundredths of a second from 0.01s to " +
                             largestEvery() + " (such as 10s, 0.25s, 1.5s)");
            return;
        }
        const std::optional<TimeLength> every = parseDuration(everyText_);
        options_.cut.every = every.value_or(TimeLength{});
        refuseUnless(every.has_value(), "--every", everyText_,
                     "a duration such as 10s, 0.25s, 250ms, 10m, 1h, 1:30, 01:02:03.5 or 480000f");
    }

    void checkWhole()
    {
        readEvery();
        if (!options_.cut.carryLikeHeader && !options_.cut.windowRules) {
            setProblem("--default-header: only with --window-rules (the Children otherwise keep the MOTHER's format)");
        }
        const bool atMarks = options_.cut.rule == CutRule::Markers || options_.cut.rule == CutRule::Labels ||
                             options_.cut.rule == CutRule::Cue || options_.cut.rule == CutRule::Silence;
        if (atMarks && options_.cut.windowRules) {
            setProblem("--window-rules: the window cuts by length only, not at marks or silences");
        }
        if (!silenceOptions_.empty() && options_.cut.rule != CutRule::Silence) {
            setProblem(silenceOptions_.front() + ": only with --at-silence");
        }
        checkClock();
        if (options_.into && options_.name) {
            setProblem("--into: not with --name, which names the Children's folder itself");
        }
        if (!problem_.empty()) {
            return;
        }
        if (positionals_.empty()) {
            problem_ = "no MOTHER.wav given";
        } else if (positionals_.size() > 1 && options_.name) {
            problem_ = "--name: one MOTHER.wav only, not also " + positionals_[1] + " (several take --into DIR)";
        } else if (options_.cut.rule == CutRule::None) {
            problem_ = "no piece length: give --every, --pieces, --like, --at-markers, --at-labels, --at-cue or "
                       "--at-silence";
        } else {
            options_.motherPath = positionals_.front();
            options_.motherPaths = positionals_;
        }
    }

    // The wall clock's options, once the line says which rule cuts and what the Mother is.
    void checkClock()
    {
        const CutRequest& cut = options_.cut;
        if (cut.windowRules && onTheClock(cut)) {
            setProblem("--window-rules: the window's rules count no wall clock (--start, --tz, --align, --time-name)");
        }
        if (cut.align && cut.rule != CutRule::Time) {
            setProblem("--align: only with --every");
        } else if (cut.align && !cut.windowRules && problem_.empty() && !alignPeriodOf(cut.every)) {
            setProblem("--every " + everyText_ + " --align: the length must divide 24 hours, such as 1m, 15m or 1h");
        }
        const bool stream = std::find(positionals_.begin(), positionals_.end(), "-") != positionals_.end();
        if (!cut.timeName.empty() && positionals_.size() > 1) {
            // Each Mother's names are made unique within its own run only: two Mothers of the
            // same hours would give the same names.
            setProblem("--time-name: one MOTHER only, not also " + positionals_[1] +
                       " (the Children of two could bear the same times)");
        }
        if (cut.start == "now" && !stream) {
            setProblem("--start now: only for a MOTHER on standard input (-), whose samples arrive now");
        }
    }

    const std::vector<std::string>& args_;
    std::size_t index_ = 0;
    bool optionsEnded_ = false;
    std::vector<std::string> positionals_;
    std::string everyText_;
    std::vector<std::string> silenceOptions_;
    CliOptions options_;
    std::string problem_;
};

}  // namespace

ParsedOptions parseOptions(const std::vector<std::string>& args) { return Parser(args).run(); }

std::optional<std::uint32_t> parseHundredths(const std::string& text)
{
    std::string number = text;
    if (!number.empty() && number.back() == 's') {
        number.pop_back();
    }
    const std::size_t dot = number.find('.');
    std::string whole = number.substr(0, dot);
    std::string cents = dot == std::string::npos ? "" : number.substr(dot + 1);
    // Decimals past the hundredths are allowed only as zeros: 0.250 is 0.25, 0.125 is no choice.
    while (cents.size() > 2 && cents.back() == '0') {
        cents.pop_back();
    }
    if (whole.empty() || cents.size() > 2 || cents.find_first_not_of("0123456789") != std::string::npos ||
        whole.find_first_not_of("0123456789") != std::string::npos || whole.size() > 9) {
        return std::nullopt;
    }
    cents.resize(2, '0');
    const std::uint64_t hundredths = std::stoull(whole) * 100 + std::stoull(cents);
    if (hundredths == 0 || hundredths > largestUnitCount(TimeUnit::Hundredths)) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(hundredths);
}

namespace {

__extension__ using Wide = unsigned __int128;

constexpr std::uint64_t SECONDS_PER_MINUTE = 60;
constexpr std::uint64_t SECONDS_PER_HOUR = 3600;
constexpr std::uint64_t MILLISECONDS_PER_SECOND = 1000;
// Digits of a whole part (31 000 years of seconds), of decimals and of a frame count: each
// product of them, an hour's 3 600 seconds and 1 000 milliseconds fits 128 bits.
constexpr std::size_t MOST_WHOLE_DIGITS = 12;
constexpr std::size_t MOST_DECIMALS = 18;
constexpr std::size_t MOST_FRAME_DIGITS = 19;

bool allDigits(const std::string& text, std::size_t most = MOST_WHOLE_DIGITS)
{
    return !text.empty() && text.size() <= most && text.find_first_not_of("0123456789") == std::string::npos;
}

// "12" or "12.345" as 12345/1000, in 128 bits; none for anything else.
std::optional<std::pair<Wide, Wide>> decimal(const std::string& text)
{
    const std::size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const std::string decimals = dot == std::string::npos ? "0" : text.substr(dot + 1);
    if (!allDigits(whole) || !allDigits(decimals, MOST_DECIMALS)) {
        return std::nullopt;
    }
    Wide denominator = 1;
    for (std::size_t i = 0; i < decimals.size(); ++i) {
        denominator *= 10;
    }
    return std::pair<Wide, Wide>{static_cast<Wide>(std::stoull(whole)) * denominator + std::stoull(decimals),
                                 denominator};
}

// Seconds as hours, minutes and seconds ("1:30", "01:02:03.5"): whole hours and minutes, every
// part after the first below 60.
std::optional<std::pair<Wide, Wide>> clock(const std::string& text)
{
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t colon = text.find(':', start);
        parts.push_back(text.substr(start, colon - start));
        if (colon == std::string::npos) {
            break;
        }
        start = colon + 1;
    }
    if (parts.size() > 3) {
        return std::nullopt;
    }
    std::optional<std::pair<Wide, Wide>> seconds = decimal(parts.back());
    if (!seconds || (seconds->first >= SECONDS_PER_MINUTE * seconds->second)) {
        return std::nullopt;
    }
    Wide unit = SECONDS_PER_MINUTE;
    for (std::size_t i = parts.size() - 1; i-- > 0; unit *= SECONDS_PER_MINUTE) {
        if (!allDigits(parts[i]) || (i > 0 && std::stoull(parts[i]) >= SECONDS_PER_MINUTE)) {
            return std::nullopt;
        }
        seconds->first += static_cast<Wide>(std::stoull(parts[i])) * unit * seconds->second;
    }
    return seconds;
}

Wide greatestCommonDivisor(Wide a, Wide b)
{
    while (b != 0) {
        const Wide rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

}  // namespace

std::optional<TimeLength> parseDuration(const std::string& text)
{
    if (text.size() > 1 && text.back() == 'f') {
        const std::string count = text.substr(0, text.size() - 1);
        if (!allDigits(count, MOST_FRAME_DIGITS) || std::stoull(count) == 0) {
            return std::nullopt;
        }
        return TimeLength{true, std::stoull(count), 0, 1};
    }
    std::optional<std::pair<Wide, Wide>> seconds;
    const auto unitOf = [&text](const char* suffix) {
        const std::string tail(suffix);
        return text.size() > tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (text.find(':') != std::string::npos) {
        seconds = clock(text);
    } else if (unitOf("ms")) {
        seconds = decimal(text.substr(0, text.size() - 2));
        if (seconds) {
            seconds->second *= MILLISECONDS_PER_SECOND;
        }
    } else if (unitOf("s") || unitOf("m") || unitOf("h")) {
        seconds = decimal(text.substr(0, text.size() - 1));
        const Wide unit = text.back() == 'h' ? SECONDS_PER_HOUR : text.back() == 'm' ? SECONDS_PER_MINUTE : 1;
        if (seconds) {
            seconds->first *= unit;
        }
    } else {
        seconds = decimal(text);
    }
    if (!seconds || seconds->first == 0) {
        return std::nullopt;
    }
    const Wide divisor = greatestCommonDivisor(seconds->first, seconds->second);
    const Wide numerator = seconds->first / divisor;
    const Wide denominator = seconds->second / divisor;
    if (numerator > std::numeric_limits<std::uint64_t>::max() ||
        denominator > std::numeric_limits<std::uint64_t>::max()) {
        return std::nullopt;
    }
    return TimeLength{false, 0, static_cast<std::uint64_t>(numerator), static_cast<std::uint64_t>(denominator)};
}

std::string stemOf(const std::string& name)
{
    const std::size_t lastPart = name.find_last_of("/\\");
    const std::size_t partStart = lastPart == std::string::npos ? 0 : lastPart + 1;
    const std::size_t dot = name.find('.', partStart);
    return dot == std::string::npos ? name : name.substr(0, dot);
}
