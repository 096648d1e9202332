#include "Log.h"

#include <windows.h>

Log::~Log()
{
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool Log::open(const std::string& path)
{
    file_ = std::fopen(path.c_str(), "wb");
    startMs_ = GetTickCount64();
    return file_ != nullptr;
}

void Log::line(const std::string& text)
{
    if (file_ == nullptr) {
        return;
    }
    const unsigned long long elapsed = GetTickCount64() - startMs_;
    std::fprintf(file_, "[%6llu ms] %s\r\n", elapsed, text.c_str());
    std::fflush(file_);
}

std::string quoted(const std::string& text)
{
    std::string shown;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\n') {
            shown += "\\n";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (code < 0x20 || code >= 0x7F) {
            char escaped[8] = {};
            std::snprintf(escaped, sizeof escaped, "\\x%02X", code);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return "\"" + shown + "\" (" + std::to_string(text.size()) + " chars)";
}
