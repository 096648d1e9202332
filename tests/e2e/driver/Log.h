// The driver's log: one line per step and per finding, flushed at once so that a run that is
// killed by its timeout still leaves everything up to the hang on disk.
#pragma once

#include <cstdio>
#include <string>

class Log {
public:
    Log() = default;
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;
    ~Log();

    bool open(const std::string& path);
    void line(const std::string& text);

private:
    std::FILE* file_ = nullptr;
    unsigned long long startMs_ = 0;
};

// A text shown with its quotes and length, so leading and trailing blanks are visible; line
// ends are shown as \r and \n, other control and non-ASCII bytes as \xNN.
std::string quoted(const std::string& text);
