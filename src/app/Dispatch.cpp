#include "app/Dispatch.h"

#include <array>

#include "core/AppState.h"
#include "app/MarksView.h"
#include "app/Shell.h"
#include "cut/PieceLengthCommands.h"
#include "cut/TemplateHeader.h"
#include "display/DisplayCommands.h"
#include "editor/EditorCommands.h"
#include "editor/EditorListening.h"
#include "settings/HeaderReportCommands.h"
#include "settings/SettingsCommands.h"
#include "splitwindow/GiveName.h"
#include "splitwindow/MarksCommands.h"
#include "splitwindow/SplitDialogs.h"
#include "res/resource.h"
#include "ui/Messages.h"
#include "ui/Texts.h"
#include "app/MotherLoad.h"

namespace {

using Action = void (*)(CommandContext&);
using Test = bool (*)(const AppState&);

// One precondition: when `fails` holds, the command shows `message` and does nothing else.
struct Refusal {
    Test fails = nullptr;
    const char* message = nullptr;
};

struct Command {
    int id = 0;
    Action action = nullptr;  // none: the command is in the menu but does nothing yet
    std::array<Refusal, 3> refusals{};
};

bool noMother(const AppState& s) { return s.motherChosen == 0; }
bool noTemplate(const AppState& s) { return s.likeChosen == 0; }
bool noTemplateForTemplateCut(const AppState& s) { return s.likeChosen == 0 && s.cutMode == CutMode::Template; }
bool noChildrenName(const AppState& s) { return s.childrenNamed == 0; }
bool motherTooBigToShowWhole(const AppState& s) { return s.motherFileBytes > WAVESHOW_MAX_FILE_BYTES; }

// A settings load confirms a stored Mother or template by the program's own loading of them.
void loadSettingsCommand(CommandContext& ctx) { loadSettings(ctx, SettingsLoadSteps{loadMother, takeTemplateHeader}); }

// The WAVESHOW size refusal is the one that reports a number: the file size in whole MiB.
void refuse(CommandContext& ctx, const Refusal& refusal)
{
    if (refusal.fails == motherTooBigToShowWhole) {
        showInt(ctx.ui, ctx.mainWindow, refusal.message, static_cast<std::int32_t>(ctx.state.motherFileBytes >> 20));
    } else {
        showNotice(ctx.ui, ctx.mainWindow, refusal.message);
    }
}

const std::array COMMANDS = {
    Command{IDM_LOAD_SETTINGS, loadSettingsCommand, {}},
    Command{IDM_SAVE_SETTINGS, saveSettings, {}},
    Command{IDM_LOAD, loadMotherCommand, {}},
    Command{IDM_WAVESHOW,
            [](CommandContext& c) { showWaveWithMarks(c, showWaveFull); },
            {Refusal{noMother, text::NO_MOTHER_FILE}, Refusal{motherTooBigToShowWhole, text::WAVESHOW_TOO_BIG}}},
    Command{IDM_WAVESHOW_ULTRAFAST,
            [](CommandContext& c) { showWaveWithMarks(c, showWaveSampled); },
            {Refusal{noMother, text::NO_MOTHER_FILE}}},
    Command{IDM_WAVESHOW_AUTO,
            [](CommandContext& c) { showWaveWithMarks(c, showWaveSampled); },
            {Refusal{noMother, text::NO_MOTHER_FILE}}},
    Command{IDM_GIVE_NAME, giveName, {}},
    Command{IDM_CUT_HUNDREDTHS,
            [](CommandContext& c) { cutByTime(c, TimeUnit::Hundredths); },
            {Refusal{noMother, text::NO_MOTHER_CENTI}}},
    Command{IDM_CUT_TENTHS,
            [](CommandContext& c) { cutByTime(c, TimeUnit::Tenths); },
            {Refusal{noMother, text::NO_MOTHER_TENTH}}},
    Command{IDM_CUT_QUARTERS,
            [](CommandContext& c) { cutByTime(c, TimeUnit::Quarters); },
            {Refusal{noMother, text::NO_MOTHER_QUARTER}}},
    Command{IDM_CUT_HALVES,
            [](CommandContext& c) { cutByTime(c, TimeUnit::Halves); },
            {Refusal{noMother, text::NO_MOTHER_HALF}}},
    Command{IDM_CUT_SECONDS,
            [](CommandContext& c) { cutByTime(c, TimeUnit::Seconds); },
            {Refusal{noMother, text::NO_MOTHER_SECONDS}}},
    Command{IDM_CUT_COUNT, cutByCount, {Refusal{noMother, text::NO_MOTHER_COUNT}}},
    Command{IDM_CUT_LIKE, cutLikeTemplate, {}},
    Command{IDM_PATTERN, setStartPattern, {}},
    Command{IDM_PREVIEW_CUTS, previewCutsOrMarks, {}},
    Command{IDM_BUFFER_SIZE, setCopyBufferSize, {}},
    Command{IDM_ALLSPLIT,
            openAllSplit,
            {Refusal{noTemplate, text::NO_LIKE_HEADER}, Refusal{noMother, text::NO_MOTHER_FILE_UPPER},
             Refusal{noChildrenName, text::NO_CHILDS}}},
    Command{IDM_SPLIT_TO_CHILDREN,
            openSplitToChildren,
            {Refusal{noTemplateForTemplateCut, text::NO_LIKE_HEADER}, Refusal{noMother, text::NO_MOTHER_FILE},
             Refusal{noChildrenName, text::NO_CHILDS}}},
    Command{IDM_ABOUT, showInfo, {}},
    Command{IDM_HEADER_TO_LIST, listHeaderValues, {}},
    Command{IDM_HEADER_44_LIST, dumpHeaderBytes, {}},
    Command{IDM_TEST_FUNCTION, nullptr, {}},
    Command{IDM_EXIT, quit, {}},
    Command{IDM_MARKS_MARKERS, cutAtMarkers, {Refusal{noMother, text::NO_MOTHER_MARKS}}},
    Command{IDM_MARKS_LABELS, cutAtLabels, {Refusal{noMother, text::NO_MOTHER_MARKS}}},
    Command{IDM_MARKS_CUE, cutAtCueSheet, {Refusal{noMother, text::NO_MOTHER_MARKS}}},
    Command{IDM_MARKS_SILENCE, cutAtSilences, {Refusal{noMother, text::NO_MOTHER_MARKS}}},
    Command{IDM_MARKS_CLOCK, cutAtClockTimes, {Refusal{noMother, text::NO_MOTHER_MARKS}}},
    Command{IDM_EDIT_CUTS, editCutsOnWave, {Refusal{noMother, text::NO_MOTHER_EDIT}}},
    Command{IDM_EDIT_LOAD_LIST, loadCutList, {Refusal{noMother, text::NO_MOTHER_EDIT}}},
    Command{IDM_EDIT_SAVE_LIST, saveCutList, {Refusal{noMother, text::NO_MOTHER_EDIT}}},
    Command{IDM_EDIT_UNDO, undoCut, {Refusal{noMother, text::NO_MOTHER_EDIT}}},
    Command{IDM_EDIT_REDO, redoCut, {Refusal{noMother, text::NO_MOTHER_EDIT}}},
    Command{IDM_EDIT_SNAP, snapToZero, {}},
    Command{IDM_EDIT_ZOOM_WHOLE, zoomWholeWave, {Refusal{noMother, text::NO_MOTHER_EDIT}}},
    Command{IDM_PLAY_FROM_CURSOR, playFromCursor, {Refusal{noMother, text::NO_MOTHER_EDIT}}},
    Command{IDM_PLAY_UP_TO_CUT, playUpToCut, {Refusal{noMother, text::NO_MOTHER_EDIT}}},
    Command{IDM_PLAY_FROM_CUT, playFromCut, {Refusal{noMother, text::NO_MOTHER_EDIT}}},
    Command{IDM_PLAY_CHILD, playChild, {Refusal{noMother, text::NO_MOTHER_EDIT}}},
    Command{IDM_PLAY_STOP, stopPlaying, {}},
};

}  // namespace

bool dispatchCommand(CommandContext& ctx, int commandId)
{
    for (const Command& command : COMMANDS) {
        if (command.id != commandId) {
            continue;
        }
        for (const Refusal& refusal : command.refusals) {
            if (refusal.fails != nullptr && refusal.fails(ctx.state)) {
                refuse(ctx, refusal);
                return true;
            }
        }
        if (command.action != nullptr) {
            command.action(ctx);
        }
        followRecord(ctx);
        return true;
    }
    return false;
}
