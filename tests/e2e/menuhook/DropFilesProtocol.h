// What the driver and the drop hook agree on. The driver writes the names of the files to drop
// into a list file, UTF-8, one name a line, installs dropFilesHook on the program's
// user-interface thread and sends the main window the registered message below with a global
// atom naming the list file in wParam. The hook, running inside the program, builds the drop
// there, as the shell would, and posts WM_DROPFILES with it to the window; the program handles
// it once the sent message has returned.
#pragma once

inline constexpr char DROP_FILES_MESSAGE[] = "morlando-e2e.drop-files";
inline constexpr char DROP_FILES_HOOK_EXPORT[] = "dropFilesHook";
