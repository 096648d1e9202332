// What the driver and the menu hook agree on. The driver installs menuDumpHook on the
// program's user-interface thread (the system loads this DLL into the program for it), then
// sends the main window the registered message below with a global atom naming the output
// file in wParam. The hook, running inside the program, writes the menu bar it gets from
// GetMenu(mainWindow) to that file, one line per popup or item:
//
//   popup "<text>" <enabled|grayed|disabled> <checked|unchecked>
//     item <identifier> "<text>" <enabled|grayed|disabled> <checked|unchecked>
//     separator
//
// Items are indented by two blanks per level below the bar; the text is shown exactly, with
// its "&" access marks.
#pragma once

inline constexpr char MENU_DUMP_MESSAGE[] = "morlando-e2e.menu-dump";
inline constexpr char MENU_DUMP_HOOK_EXPORT[] = "menuDumpHook";
