// Listening in the editor: the keys and the Edit menu's items that play the Mother, the play line
// that follows the device, and the view that follows the line. What plays stops at a click or any
// other key of the editor, and when the editor closes.
#pragma once

#include <optional>

#include "editor/EditorSession.h"
#include "editor/PlayRanges.h"
#include "ui/Platform.h"

// What a key of the editor asks to hear: Space from the cursor (with Ctrl: the Child under it), ","
// up to the selected cut and "." from it; none for the other keys.
std::optional<PlayRequest> playRequestOf(const KeyPress& press);

// Plays what the request asks of the session's Mother at the editor's cursor and selected cut, and
// has the panel tick so that the line follows; a box over the owner when nothing can be played.
void listen(EditorSession& session, PlayRequest request, Platform& ui, WindowRef owner);

// Stops what plays; the line goes.
void stopListening(EditorSession& session, Platform& ui, WindowRef owner);

// On the panel's tick: the line at the frame being heard and the view after it; once nothing
// plays, the line goes and the ticks stop.
void followPlayLine(EditorSession& session, Platform& ui, WindowRef owner);

// The Edit menu's items: what the keys do, the editor opened first when it is closed.
void playFromCursor(CommandContext& ctx);
void playUpToCut(CommandContext& ctx);
void playFromCut(CommandContext& ctx);
void playChild(CommandContext& ctx);
void stopPlaying(CommandContext& ctx);
