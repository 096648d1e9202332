#include "settings/SettingsCommands.h"

#include <optional>
#include <string>

#include "core/AppState.h"
#include "settings/HeaderReport.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsText.h"
#include "ui/FilePicker.h"
#include "ui/Messages.h"
#include "ui/StringOps.h"
#include "ui/Texts.h"

namespace {

// Why a settings file could not be read, in a box that names it.
void explainSettingsFile(CommandContext& ctx, const SettingsRead& read)
{
    const std::string& path = ctx.state.settingsPath;
    switch (read.outcome) {
    case SettingsReadOutcome::TooBig:
        showText(ctx.ui, ctx.mainWindow, text::SETTINGS_TOO_BIG,
                 path + numberLine(text::FILE_BYTES_LABEL, read.fileBytes));
        break;
    case SettingsReadOutcome::CannotRead: showText(ctx.ui, ctx.mainWindow, text::SETTINGS_CANNOT_READ, path); break;
    case SettingsReadOutcome::CannotOpen:
    case SettingsReadOutcome::Read: showText(ctx.ui, ctx.mainWindow, text::SETTINGS_CANNOT_OPEN, path); break;
    }
}

// A value of the file as the program holds names: UTF-8.
std::string utf8Value(CommandContext& ctx, const std::string& value)
{
    return valueAsUtf8(value, [&ctx](std::string_view bytes) { return ctx.ui.fromLegacyCodePage(bytes); });
}

void restoreMother(CommandContext& ctx, const SettingsLoadSteps& steps)
{
    AppState& state = ctx.state;
    std::string value;
    if (findKey(MOTHER_KEY, state.settingsText, value) < 0 || value.empty()) {
        return;
    }
    state.motherPath = utf8Value(ctx, value);
    closeMotherStream(state);
    pickFile(ctx.ui, ctx.mainWindow, state.motherPath, text::EXT_WAV, text::PICK_SETTINGS_MOTHER, state.motherChosen);
    if (state.motherChosen != 0) {
        steps.loadMother(ctx);
    }
}

// The stored value goes straight into likeSettingPath, even when empty: that is what the next
// save stores, whichever template the user confirms now.
void restoreTemplate(CommandContext& ctx, const SettingsLoadSteps& steps)
{
    AppState& state = ctx.state;
    if (findKey(TEMPLATE_KEY, state.settingsText, state.likeSettingPath) < 0 || state.likeSettingPath.empty()) {
        return;
    }
    state.likeSettingPath = utf8Value(ctx, state.likeSettingPath);
    state.likePath = state.likeSettingPath;
    pickFile(ctx.ui, ctx.mainWindow, state.likePath, text::EXT_WAV, text::PICK_SETTINGS_TEMPLATE, state.likeChosen);
    // Unlike "Take SIZE from =", the way the piece length was chosen stays as it was.
    if (state.likeChosen != 0 && steps.takeTemplateHeader(ctx)) {
        state.likeFileBytes = static_cast<std::uint32_t>(readReportedWav(state.likePath).fileBytes);
    }
}

// The children's name and numbering are restored whether or not the pick is confirmed.
void restoreChildrenName(CommandContext& ctx)
{
    AppState& state = ctx.state;
    std::string value;
    if (findKey(KIND_KEY, state.settingsText, value) < 0 || value.empty()) {
        return;
    }
    state.childBaseName = utf8Value(ctx, value);
    state.childNumber = 1;
    pickFile(ctx.ui, ctx.mainWindow, state.childBaseName, text::EXT_WAV, text::PICK_CHILDREN, state.childrenNamed);
    state.childStem = state.childBaseName;
    cutFileNameAtDot(state.childStem);
}

}  // namespace

void loadSettings(CommandContext& ctx, const SettingsLoadSteps& steps)
{
    AppState& state = ctx.state;
    state.settingsPath = text::SETTINGS_DEFAULT_NAME;
    pickFile(ctx.ui, ctx.mainWindow, state.settingsPath, text::EXT_TXT, text::PICK_SETTINGS_LOAD, state.settingsChosen);
    if (state.settingsChosen != 0) {
        SettingsRead read = readSettingsFile(state.settingsPath);
        if (read.outcome == SettingsReadOutcome::TooBig) {
            explainSettingsFile(ctx, read);  // no settings file the program wrote: refused whole
            return;
        }
        if (read.outcome != SettingsReadOutcome::Read) {
            // A file whose bytes cannot be had loads as an empty text, after the box that says
            // why: no key is found, and nothing of an earlier load is applied again, now or by a
            // later cancelled load.
            explainSettingsFile(ctx, read);
        }
        state.settingsText = std::move(read.text);
    }
    showText(
        ctx.ui, ctx.mainWindow, text::SETTINGS_CHECK,
        textAsUtf8(state.settingsText, [&ctx](std::string_view bytes) { return ctx.ui.fromLegacyCodePage(bytes); }));
    // Always in this order, whatever the order of the lines in the file.
    restoreMother(ctx, steps);
    restoreTemplate(ctx, steps);
    restoreChildrenName(ctx);
}

void saveSettings(CommandContext& ctx)
{
    AppState& state = ctx.state;
    pickFile(ctx.ui, ctx.mainWindow, state.settingsPath, text::EXT_TXT, text::PICK_SETTINGS_SAVE, state.settingsChosen);
    if (state.settingsChosen == 0) {
        return;
    }
    const std::string kind = kindText(state.childBaseName);
    const std::string lines = settingsLines(state.motherPath, state.likeSettingPath, kind);
    const std::optional<std::string> record = settingsRecord(lines);
    if (!record) {
        showText(ctx.ui, ctx.mainWindow, text::SETTINGS_TOO_LONG,
                 state.settingsPath + numberLine(text::BYTES_NEEDED_LABEL, lines.size()));
        return;
    }
    const std::string* const values[] = {&state.motherPath, &state.likeSettingPath, &kind};
    for (const std::string* value : values) {
        if (value->size() > SETTINGS_VALUE_MAX_BYTES) {
            showText(ctx.ui, ctx.mainWindow, text::SETTINGS_PATH_TOO_LONG, *value);
            return;
        }
    }
    showText(ctx.ui, ctx.mainWindow, text::SETTINGS_SAVE_PATH, state.settingsPath);
    if (!writeSettingsRecord(state.settingsPath, *record)) {
        showText(ctx.ui, ctx.mainWindow, text::SETTINGS_CANNOT_WRITE, state.settingsPath);
    }
}
