#include "writing/SplitMessages.h"

#include <cerrno>
#include <cstring>
#include <initializer_list>

#include "ui/Messages.h"
#include "ui/Texts.h"

namespace {

std::string lines(std::initializer_list<std::string> parts)
{
    std::string joined;
    for (const std::string& part : parts) {
        if (!joined.empty()) {
            joined += '\n';
        }
        joined += part;
    }
    return joined;
}

// Why a Child could not take its bytes. The runtime's cause is told only when it is one a write
// can have: after a failed flush some runtimes leave an unrelated value such as "Invalid argument",
// and a wrong cause is worse than what is known for sure.
std::string writeCause(int error)
{
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EIO:
    case EACCES:
    case EPERM:
    case EROFS:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return std::strerror(error);
    default: return text::CHILD_WRITE_CAUSE_UNKNOWN;
    }
}

SplitMessage untilRemoval(const SplitOutcome& outcome, const char* caption, std::string text)
{
    if (outcome.childRemoved) {
        text += std::string("\n") + (*outcome.childRemoved ? text::CHILD_REMOVED : text::CHILD_NOT_REMOVED);
    }
    return {caption, std::move(text)};
}

}  // namespace

SplitMessage stopMessage(const SplitPlan& plan, const SplitOutcome& outcome)
{
    const std::string& mother = plan.mother.path;
    const std::string child = outcome.childAt ? childName(plan, plan.children[*outcome.childAt]) : std::string();
    const std::uint64_t childBytes = outcome.childAt ? childFileHeaderBytes(plan, plan.children[*outcome.childAt]) +
                                                           plan.children[*outcome.childAt].sampleBytes
                                                     : WAV_HEADER_BYTES;
    switch (outcome.stop) {
    case SplitStop::None:
    case SplitStop::Stopped: break;  // asked for from outside, by whoever tells of it
    case SplitStop::MotherCannotOpen:
        return {text::MOTHER_CANNOT_OPEN, lines({mother, std::strerror(outcome.cause), text::MOTHER_UNCHANGED})};
    case SplitStop::MotherChanged:
        return {text::MOTHER_CHANGED, mother + numberLine(text::FILE_BYTES_LABEL, outcome.motherFileBytes) +
                                          numberLine(text::DATA_SIZE_LABEL, outcome.motherDataSize) + "\n" +
                                          text::LOAD_AGAIN};
    case SplitStop::MotherCannotSeek:
        return untilRemoval(outcome, text::MOTHER_ENDED_EARLY,
                            lines({mother, std::strerror(outcome.cause), text::MOTHER_UNCHANGED}));
    case SplitStop::MotherEndedEarly:
        return untilRemoval(outcome, text::MOTHER_ENDED_EARLY,
                            lines({child, mother}) + numberLine(text::BYTES_ASKED_LABEL, outcome.bytesAsked) +
                                numberLine(text::BYTES_GOT_LABEL, outcome.bytesRead));
    case SplitStop::ChildIsMother: return {text::CHILD_IS_MOTHER, lines({child, mother, text::MOTHER_UNCHANGED})};
    case SplitStop::ChildMayBeMother:
        return {text::CHILD_MAY_BE_MOTHER, lines({child, mother, text::MOTHER_UNCHANGED})};
    case SplitStop::ChildCannotCreate: return {text::CHILD_CANNOT_CREATE, lines({child, std::strerror(outcome.cause)})};
    case SplitStop::ChildCannotWrite:
        return untilRemoval(outcome, text::CHILD_CANNOT_WRITE,
                            lines({child, writeCause(outcome.cause)}) +
                                numberLine(text::CHILD_BYTES_LABEL, childBytes));
    }
    return {};
}
