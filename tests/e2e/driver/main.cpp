// morlando-driver: runs one scenario of steps against the program and writes a log.
//
//   morlando-driver.exe --program <morlando.exe> --scenario <file> --log <file> --work <folder>
//                       [--set NAME=value]...
//
// The program runs in the work folder; ${WORK}, ${CR}, ${LF}, ${x80} to ${xFF} and every --set
// name can be used in the scenario. Exit code 0 when every step passed, 1 when a step failed, 2 for a usage or
// scenario error. The program is ended at the end if the scenario left it running.
#include <windows.h>

#include <cstdio>
#include <string>

#include "Log.h"
#include "Runner.h"
#include "Script.h"

namespace {

struct Options {
    std::string program;
    std::string scenario;
    std::string log;
    std::string work;
    Variables variables;
};

bool parseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--program") {
            options.program = value;
        } else if (name == "--scenario") {
            options.scenario = value;
        } else if (name == "--log") {
            options.log = value;
        } else if (name == "--work") {
            options.work = value;
        } else if (name == "--set" && value.find('=') != std::string::npos) {
            options.variables[value.substr(0, value.find('='))] = value.substr(value.find('=') + 1);
        } else {
            return false;
        }
    }
    options.variables["WORK"] = options.work;
    // Line ends inside a box text, which a quoted argument cannot hold otherwise.
    options.variables["CR"] = "\r";
    options.variables["LF"] = "\n";
    // Bytes above 127 in a file's text, which the 7-bit scenario files name: ${xAC} is byte 172.
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        char name[8] = {};
        std::snprintf(name, sizeof name, "x%02X", byte);
        options.variables[name] = std::string(1, static_cast<char>(byte));
    }
    return argc % 2 == 1 && !options.program.empty() && !options.scenario.empty() && !options.log.empty() &&
           !options.work.empty();
}

std::string besideThisProgram(const char* fileName)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + fileName;
}

int runScenario(const Options& options, Log& log)
{
    std::vector<Step> steps;
    try {
        steps = loadScript(options.scenario, options.variables);
    } catch (const ScriptError& error) {
        log.line("SCENARIO ERROR: " + std::string(error.what()));
        return 2;
    }
    const std::string problem = checkSteps(steps);
    if (!problem.empty()) {
        log.line("SCENARIO ERROR: " + problem);
        return 2;
    }
    Context context(log, options.program, options.work, besideThisProgram("morlando-menuhook.dll"));
    const bool passed = runSteps(context, steps);
    if (context.target.running()) {
        log.line("the program is still running at the end; ending it");
        context.target.terminate();
    }
    log.line(passed ? "PASS" : "FAIL");
    return passed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: morlando-driver --program <exe> --scenario <file> --log <file> "
                             "--work <folder> [--set NAME=value]...\n");
        return 2;
    }
    Log log;
    if (!log.open(options.log)) {
        std::fprintf(stderr, "cannot write the log %s\n", options.log.c_str());
        return 2;
    }
    log.line("scenario " + options.scenario);
    return runScenario(options, log);
}
