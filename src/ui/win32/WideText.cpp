#include "ui/win32/WideText.h"

#include <windows.h>

#include <cwchar>

namespace {

std::wstring wideIn(UINT codePage, std::string_view bytes)
{
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

// GetACP answers UTF-8 under the manifest; the system's default ANSI code page is its locale's.
UINT legacyCodePage()
{
    wchar_t digits[8] = {};
    if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, digits, 8) > 0) {
        const auto codePage = static_cast<UINT>(std::wcstoul(digits, nullptr, 10));
        if (codePage != 0 && codePage != CP_UTF8) {
            return codePage;
        }
    }
    return 1252;  // the Western code page, where the system names none of its own
}

}  // namespace

std::wstring wideOf(std::string_view utf8) { return wideIn(CP_UTF8, utf8); }

std::string utf8Of(std::wstring_view wide)
{
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return {};
    }
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::string utf8OfLegacy(std::string_view bytes) { return utf8Of(wideIn(legacyCodePage(), bytes)); }
