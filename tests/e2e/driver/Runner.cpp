#include "Runner.h"

namespace {

const StepKind* findKind(const std::string& verb)
{
    for (const auto* table : {&shellSteps(), &dialogSteps(), &promptSteps(), &fileDialogSteps(), &fileSteps(),
                              &shellFileSteps(), &pixelSteps(), &soundSteps()}) {
        for (const StepKind& kind : *table) {
            if (verb == kind.verb) {
                return &kind;
            }
        }
    }
    return nullptr;
}

}  // namespace

std::string checkSteps(const std::vector<Step>& steps)
{
    for (const Step& step : steps) {
        const StepKind* kind = findKind(step.verb);
        const std::string where = "line " + std::to_string(step.line) + ": ";
        if (kind == nullptr) {
            return where + "unknown step " + quoted(step.verb);
        }
        if (step.args.size() < kind->minArgs || step.args.size() > kind->maxArgs) {
            return where + "wrong number of arguments; usage: " + kind->usage;
        }
    }
    return {};
}

bool runSteps(Context& context, const std::vector<Step>& steps)
{
    for (const Step& step : steps) {
        context.log.line("line " + std::to_string(step.line) + ": " + step.source);
        try {
            findKind(step.verb)->run(context, step);
        } catch (const StepFailure& failure) {
            context.log.line("FAIL at line " + std::to_string(step.line) + ": " + failure.what());
            return false;
        }
    }
    return true;
}
