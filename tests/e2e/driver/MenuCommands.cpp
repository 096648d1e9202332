#include "MenuCommands.h"

#include <utility>

#include "res/resource.h"

namespace {

// clang-format off
#define COMMAND(name) std::pair<const char*, unsigned>{#name, name}

const std::pair<const char*, unsigned> COMMANDS[] = {
    COMMAND(IDM_ABOUT),           COMMAND(IDM_EXIT),           COMMAND(IDM_GIVE_NAME),
    COMMAND(IDM_CUT_SECONDS),     COMMAND(IDM_CUT_HALVES),     COMMAND(IDM_LOAD),
    COMMAND(IDM_CUT_QUARTERS),    COMMAND(IDM_CUT_TENTHS),     COMMAND(IDM_CUT_COUNT),
    COMMAND(IDM_CUT_LIKE),        COMMAND(IDM_CUT_HUNDREDTHS), COMMAND(IDM_ALLSPLIT),
    COMMAND(IDM_WAVESHOW),        COMMAND(IDM_LOAD_SETTINGS),  COMMAND(IDM_SAVE_SETTINGS),
    COMMAND(IDM_WAVESHOW_ULTRAFAST), COMMAND(IDM_WAVESHOW_AUTO), COMMAND(IDM_PREVIEW_CUTS),
    COMMAND(IDM_HEADER_TO_LIST),  COMMAND(IDM_HEADER_44_LIST), COMMAND(IDM_SPLIT_TO_CHILDREN),
    COMMAND(IDM_TEST_FUNCTION),   COMMAND(IDM_PATTERN),        COMMAND(IDM_BUFFER_SIZE),
    COMMAND(IDM_MARKS_MARKERS),   COMMAND(IDM_MARKS_LABELS),   COMMAND(IDM_MARKS_CUE),
    COMMAND(IDM_MARKS_SILENCE),   COMMAND(IDM_MARKS_CLOCK),
    COMMAND(IDM_EDIT_CUTS),      COMMAND(IDM_EDIT_LOAD_LIST),
    COMMAND(IDM_EDIT_SAVE_LIST),  COMMAND(IDM_EDIT_UNDO),      COMMAND(IDM_EDIT_REDO),
    COMMAND(IDM_EDIT_SNAP),       COMMAND(IDM_EDIT_ZOOM_WHOLE),
    COMMAND(IDM_PLAY_FROM_CURSOR), COMMAND(IDM_PLAY_UP_TO_CUT), COMMAND(IDM_PLAY_FROM_CUT),
    COMMAND(IDM_PLAY_CHILD),      COMMAND(IDM_PLAY_STOP),
};
// clang-format on

#undef COMMAND

}  // namespace

std::optional<unsigned> menuCommandId(const std::string& name)
{
    for (const auto& [commandName, id] : COMMANDS) {
        if (name == commandName) {
            return id;
        }
    }
    return std::nullopt;
}
