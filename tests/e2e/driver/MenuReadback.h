// Reads the menu bar back from the running main window through the menu hook DLL
// (menuhook/MenuDumpProtocol.h) and compares it with an expected table in the same format.
#pragma once

#include <windows.h>

#include <string>

// Writes the dump of window's menu bar to dumpPath; returns an empty text on success,
// otherwise what went wrong.
std::string dumpMenuBar(const std::string& hookDll, HWND window, const std::string& dumpPath);

// Compares the dump with the expected table line by line (blank lines and lines starting with
// # in the table are skipped); returns an empty text when they agree, otherwise the first
// difference with both lines.
std::string compareMenuDump(const std::string& dumpPath, const std::string& expectedPath);
