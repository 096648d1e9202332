#include "cli/MotherBatch.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/CliTexts.h"
#include "cli/ConsoleMessage.h"
#include "cli/ListFile.h"
#include "cli/MotherJobs.h"
#include "core/FileIo.h"

namespace {

// What became of one Mother, and (when several are split at once) what it printed.
struct MotherResult {
    int status = EXIT_DONE;
    MotherTally tally;
    bool stemTaken = false;
    bool notBegun = false;  // the program was asked to stop before its turn
    std::string why;        // the caption of its last message that is no warning
    std::string out;
    std::string err;
};

// Passes what is written on to a stream and keeps a copy, so that the reason a Mother was refused
// can be named in the summary while its messages and progress still show as they come.
class KeepingBuffer : public std::streambuf {
public:
    explicit KeepingBuffer(std::ostream& passOn) : passOn_(passOn) {}
    const std::string& kept() const { return kept_; }

protected:
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            const char one = traits_type::to_char_type(c);
            xsputn(&one, 1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        // A progress line a Child adds up over many Children: only the recent text is needed.
        constexpr std::size_t MOST_KEPT = 1u << 16;
        kept_.append(text, static_cast<std::size_t>(count));
        if (kept_.size() > 2 * MOST_KEPT) {
            kept_.erase(0, kept_.size() - MOST_KEPT);
        }
        passOn_.write(text, count);
        return count;
    }
    int sync() override
    {
        passOn_.flush();
        return 0;
    }

private:
    std::ostream& passOn_;
    std::string kept_;
};

std::string lastCaption(const std::string& text)
{
    const std::string prefix = clitext::PROGRAM_PREFIX;
    std::string caption;
    for (std::size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at + 1)) {
        if (at != 0 && text[at - 1] != '\n' && text[at - 1] != '\r') {
            continue;
        }
        const std::size_t end = text.find('\n', at);
        const std::string line =
            text.substr(at + prefix.size(), end == std::string::npos ? std::string::npos : end - at - prefix.size());
        if (line.rfind("warning", 0) != 0) {
            caption = line;
        }
    }
    return caption;
}

std::size_t lastSeparator(const std::string& path) { return path.find_last_of("/\\"); }

// The stem of the Children of a Mother in the folder --into gives: its own name without folder.
std::string stemInto(const std::string& folder, const std::string& motherPath)
{
    const std::string stem = stemOf(motherPath);
    const std::size_t separator = lastSeparator(stem);
    const std::string name = separator == std::string::npos ? stem : stem.substr(separator + 1);
    if (folder.back() == '/' || folder.back() == '\\') {
        return folder + name;
    }
#ifdef _WIN32
    return folder + "\\" + name;
#else
    return folder + "/" + name;
#endif
}

// Where the Children of a stem go: its folder, whole and normal, and the stem's own name; on
// Windows both in lower case, as its file names are compared.
struct StemPlace {
    std::string folder;
    std::string name;
};

StemPlace placeOf(const std::string& stem)
{
    const std::size_t separator = lastSeparator(stem);
    const std::string folder = separator == std::string::npos ? "." : stem.substr(0, separator + 1);
    std::error_code error;
    const std::u8string generic =
        std::filesystem::absolute(pathOfName(folder), error).lexically_normal().generic_u8string();
    std::string whole(generic.begin(), generic.end());
    if (error) {
        whole = folder;
    }
    while (whole.size() > 1 && whole.back() == '/') {
        whole.pop_back();
    }
    StemPlace place{whole, separator == std::string::npos ? stem : stem.substr(separator + 1)};
#ifdef _WIN32
    for (std::string* text : {&place.folder, &place.name}) {
        std::transform(text->begin(), text->end(), text->begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    }
#endif
    return place;
}

// Whether two stems' Children may bear one name: in one folder, the same stem, or one stem and
// the other followed by digits only ("take" and "take1" both give take11.WAV).
bool namesMeet(const StemPlace& a, const StemPlace& b)
{
    if (a.folder != b.folder) {
        return false;
    }
    const StemPlace& shorter = a.name.size() <= b.name.size() ? a : b;
    const StemPlace& longer = a.name.size() <= b.name.size() ? b : a;
    return longer.name.compare(0, shorter.name.size(), shorter.name) == 0 &&
           longer.name.find_first_not_of("0123456789", shorter.name.size()) == std::string::npos;
}

std::string childrenText(std::size_t children)
{
    return std::to_string(children) + (children == 1 ? " Child" : " Children");
}

std::string resultText(const MotherResult& result, bool dryRun)
{
    if (result.notBegun) {
        return clitext::NOT_BEGUN;
    }
    if (result.tally.stop == SplitStop::Stopped) {
        return "stopped from outside after " + childrenText(result.tally.children);
    }
    if (result.status == EXIT_DONE) {
        return dryRun ? childrenText(result.tally.children) + " planned"
                      : "split into " + childrenText(result.tally.children);
    }
    const bool refused = result.stemTaken || !result.tally.planned || result.tally.stop == SplitStop::ChildIsMother ||
                         result.tally.stop == SplitStop::ChildMayBeMother;
    return (refused ? "refused: " : "failed: ") + result.why;
}

// Once the program is asked to stop, no further Mother is begun.
bool stopAsked(const CliConsole& console) { return console.stop != nullptr && console.stop->requested(); }

}  // namespace

int runMothers(const CliOptions& options, const CliConsole& console, RunOneMother runOne)
{
    const std::vector<std::string>& paths = options.motherPaths;
    std::vector<CliOptions> each(paths.size(), options);
    std::vector<MotherResult> results(paths.size());
    std::vector<StemPlace> places;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        each[i].motherPath = paths[i];
        each[i].motherPaths = {paths[i]};
        if (options.into) {
            each[i].name = stemInto(*options.into, paths[i]);
        }
        places.push_back(placeOf(stemOf(each[i].name.value_or(paths[i]))));
        for (std::size_t j = 0; j < i; ++j) {
            if (namesMeet(places[i], places[j])) {
                results[i].status = EXIT_REFUSED;
                results[i].stemTaken = true;
                results[i].why = clitext::STEM_TAKEN;
                results[i].err =
                    consoleMessage(clitext::STEM_TAKEN, paths[i] + "\n" + paths[j] + "\n" + clitext::STEM_TAKEN_WHY);
                break;
            }
        }
    }
    std::vector<const MotherTally*> tallies;
    for (const MotherResult& result : results) {
        tallies.push_back(&result.tally);
    }
    if (paths.size() == 1) {
        MotherTally& tally = console.tally != nullptr ? *console.tally : results.front().tally;
        CliConsole one{console.out, console.err, console.errIsTerminal, console.stop, &tally, console.progress};
        const int status = runOne(each.front(), one);
        return withList(options, console, {&tally}, status);
    }
    if (options.jobs <= 1) {
        for (std::size_t i = 0; i < paths.size(); ++i) {
            if (stopAsked(console)) {
                results[i].notBegun = true;
                continue;
            }
            if (results[i].stemTaken) {
                console.err << results[i].err;
                continue;
            }
            KeepingBuffer keeping(console.err);
            std::ostream err(&keeping);
            const CliConsole one{console.out, err, console.errIsTerminal, console.stop, &results[i].tally};
            results[i].status = runOne(each[i], one);
            err.flush();
            results[i].why = lastCaption(keeping.kept());
        }
    } else {
        const auto work = [&](std::size_t i) {
            if (results[i].stemTaken) {
                return;
            }
            if (stopAsked(console)) {
                results[i].notBegun = true;
                return;
            }
            std::ostringstream out;
            std::ostringstream err;
            // Each writer has a request of its own, which it takes the program's from when it
            // looks: one request cannot serve several writers at once.
            SplitStopRequest own;
            if (console.stop != nullptr) {
                own.poll = [&own, &console] {
                    if (console.stop->requested()) {
                        own.request(console.stop->status());
                    }
                };
            }
            const CliConsole one{out, err, false, &own, &results[i].tally, false};
            results[i].status = runOne(each[i], one);
            results[i].out = out.str();
            results[i].err = err.str();
            results[i].why = lastCaption(results[i].err);
        };
        // Each Mother's messages whole, and one line as it ends in place of a progress bar.
        const auto finished = [&](std::size_t i) {
            console.out << results[i].out << std::flush;
            console.err << results[i].err;
            if (!options.quiet) {
                console.err << paths[i] << ": " << resultText(results[i], options.dryRun) << "\n";
            }
            console.err.flush();
        };
        runJobs(paths.size(), options.jobs, work, finished);
    }
    int worst = EXIT_DONE;
    std::string summary = clitext::PROGRAM_PREFIX + std::to_string(paths.size()) + clitext::MOTHERS_SUMMARY + "\n";
    for (std::size_t i = 0; i < paths.size(); ++i) {
        worst = std::max(worst, results[i].status);
        summary += "  " + paths[i] + ": " + resultText(results[i], options.dryRun) + "\n";
    }
    if (!options.quiet) {
        console.err << summary;
    }
    return withList(options, console, tallies, worst);
}
