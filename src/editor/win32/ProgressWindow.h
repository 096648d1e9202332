// A long work under a small window of its own: the caption, a bar of how far it has come and
// CANCEL. The owner is disabled meanwhile; the messages of every window go on being handled
// between two steps of the work.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "ui/Platform.h"

bool runWithProgressWindow(HINSTANCE instance, HWND owner, std::string_view caption,
                           const std::function<bool(const ProgressTick&)>& work);
