// What the driver and the client-size hook agree on. The driver installs clientSizeHook on the
// program's user-interface thread and sends the main window the registered message below with a
// global atom in wParam whose name is the wanted client size, "<width> <height>" in pixels. The
// hook, running inside the program, resizes the window there, in the window's own coordinates,
// as a drag of its frame would; the driver then reads the client area back.
//
// Done from the driver's process instead, the resize would pass through the system's mapping
// between the caller's scale and the one it reports for another process's window: Wine reports
// 96 pixels to the inch for a window of a program that follows each monitor's scale, and so
// halves a size asked for at 192.
#pragma once

inline constexpr char CLIENT_SIZE_MESSAGE[] = "morlando-e2e.client-size";
inline constexpr char CLIENT_SIZE_HOOK_EXPORT[] = "clientSizeHook";
