// The files the shell hands the program: the names on its command line ("Open with", a file
// dropped on the program's icon) and the files dropped on its main window.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

// Every argument after the program's own name, as a full path.
std::vector<std::string> commandLineFiles();

// The files of a drop, which is released.
std::vector<std::string> droppedFiles(HDROP drop);
