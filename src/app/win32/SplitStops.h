// The main window's side of a split it has to stop: the session ending or the window being asked
// to close while the split dialog writes Children. The split runs inside the dialog's START, on
// the window's own thread, so the writer lets the window take these messages where it looks at
// the stop request (see SplitStopRequest.h).
#pragma once

#include <windows.h>

// Installed as the stop request's poll: the messages other programs send (the session's end) are
// answered, and a close posted to a window is taken; nothing else, so that no command starts in
// the middle of a split. At most every few hundredths of a second, as each look costs a call of
// the window system.
void takeEndingMessages();

// WM_QUERYENDSESSION: a running split is stopped (its temporary file removed as it unwinds);
// the session may end.
LRESULT onQueryEndSession();

// WM_ENDSESSION: when the session does end, a split still running has its temporary file removed
// and the program ends here, before the system ends it.
LRESULT onEndSession(WPARAM ending);

// WM_CLOSE: while a split runs it is stopped first, and WM_CLOSE_AFTER_SPLIT, posted to the
// window, closes it once the split has unwound. Returns whether the close was put off.
bool closeAfterSplit(HWND window);
inline constexpr UINT WM_CLOSE_AFTER_SPLIT = WM_APP + 2;
