#include "settings/HeaderReportCommands.h"

#include <cstdio>
#include <optional>
#include <string>

#include "core/AppState.h"
#include "settings/HeaderReport.h"
#include "ui/FilePicker.h"
#include "ui/Messages.h"
#include "ui/Texts.h"
#include "wav/TemplateWav.h"

namespace {

struct ReportTexts {
    const char* listCaption = nullptr;
    const char* wavCaption = nullptr;
};

// Both picks; true when there is a WAV to report on and a list file to report into. A list pick
// cancelled once silences both reports for the rest of the run.
bool pickListAndWav(CommandContext& ctx, const ReportTexts& texts)
{
    AppState& state = ctx.state;
    if (state.listAsked == 0) {
        state.listAsked = 1;
        pickFile(ctx.ui, ctx.mainWindow, state.listPath, text::EXT_TXT, texts.listCaption, state.listChosen);
    }
    pickFile(ctx.ui, ctx.mainWindow, state.likePath, text::EXT_WAV, texts.wavCaption, state.likeChosen);
    return state.likeChosen != 0 && state.listChosen != 0;
}

// The reported WAV becomes the template as "Take SIZE from =" would take it: the header its Children
// would carry is its own first 44 bytes only when they are a canonical header, else the one made
// from its fmt chunk. A file that could give no such header leaves no template chosen, so that
// ALLSPLIT refuses rather than write Children that are no WAV files.
void takeAsTemplate(AppState& state)
{
    const TemplateWav asTemplate = readTemplateWav(state.likePath);
    if (asTemplate.problem == TemplateProblem::None) {
        state.headerBuf = asTemplate.childHeader;
    } else {
        state.likeChosen = 0;
    }
}

// The WAV's length and first 44 bytes as they stand in the file; a WAV without a whole header is
// refused with a box, leaves no template chosen and the template header as it was.
std::optional<ReportedWav> takeReportedWav(CommandContext& ctx)
{
    AppState& state = ctx.state;
    const ReportedWav wav = readReportedWav(state.likePath);
    if (!wav.opened) {
        showText(ctx.ui, ctx.mainWindow, text::REPORT_WAV_CANNOT_OPEN, state.likePath);
    } else if (wav.headerBytesRead < WAV_HEADER_BYTES) {
        showText(ctx.ui, ctx.mainWindow, text::REPORT_WAV_TOO_SHORT,
                 state.likePath + numberLine(text::BYTES_READ_LABEL, wav.headerBytesRead));
    } else {
        takeAsTemplate(state);
        return wav;
    }
    state.likeChosen = 0;
    return std::nullopt;
}

// Appends the report whole, or says why it could not.
void appendToList(CommandContext& ctx, const std::string& report)
{
    const std::string& path = ctx.state.listPath;
    std::FILE* list = std::fopen(path.c_str(), "ab");
    if (list == nullptr) {
        showText(ctx.ui, ctx.mainWindow, text::LIST_CANNOT_OPEN, path);
        return;
    }
    const bool written = std::fwrite(report.data(), 1, report.size(), list) == report.size();
    const bool closed = std::fclose(list) == 0;
    if (!written || !closed) {
        showText(ctx.ui, ctx.mainWindow, text::LIST_CANNOT_WRITE, path);
    }
}

}  // namespace

void listHeaderValues(CommandContext& ctx)
{
    if (!pickListAndWav(ctx, {text::PICK_LIST_FOR_VALUES, text::PICK_REPORT_WAV_VALUES})) {
        return;
    }
    const std::optional<ReportedWav> wav = takeReportedWav(ctx);
    if (!wav) {
        return;
    }
    // Lengths are told in 32 bits, as every size of the program is.
    ctx.state.likeFileBytes = static_cast<std::uint32_t>(wav->fileBytes);
    appendToList(ctx, headerValueLines(ctx.state.likePath, ctx.state.likeFileBytes, wav->header));
}

void dumpHeaderBytes(CommandContext& ctx)
{
    if (!pickListAndWav(ctx, {text::PICK_LIST_FOR_BYTES, text::PICK_REPORT_WAV_BYTES})) {
        return;
    }
    const std::optional<ReportedWav> wav = takeReportedWav(ctx);
    if (wav) {
        appendToList(ctx, headerByteItems(wav->header));
    }
}
