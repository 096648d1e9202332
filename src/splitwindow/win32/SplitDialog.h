#pragma once

#include <windows.h>

#include "ui/Platform.h"

// Runs one of the two split dialogs, IDD_SPLIT_TO_CHILDREN or IDD_NEWSPLIT, modally with the
// handler's behaviour. The dialog's own pen is made here and deleted when the dialog has ended.
void runSplitDialog(HINSTANCE instance, HWND owner, int dialogId, DialogHandler& handler);
