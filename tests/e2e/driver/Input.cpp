#include "Input.h"

#include "WindowQuery.h"

#include <cctype>
#include <map>
#include <vector>

namespace {

struct KeyPress {
    WORD virtualKey = 0;
    bool shift = false;
};

const std::map<std::string, WORD>& namedKeys()
{
    static const std::map<std::string, WORD> keys = {
        {"alt", VK_MENU},      {"shift", VK_SHIFT},   {"ctrl", VK_CONTROL},  {"enter", VK_RETURN},
        {"escape", VK_ESCAPE}, {"tab", VK_TAB},       {"space", VK_SPACE},   {"f1", VK_F1},
        {"f4", VK_F4},         {"f10", VK_F10},       {"plus", VK_OEM_PLUS}, {"f2", VK_F2},
        {"left", VK_LEFT},     {"right", VK_RIGHT},   {"home", VK_HOME},     {"end", VK_END},
        {"delete", VK_DELETE}, {"insert", VK_INSERT},
    };
    return keys;
}

bool lookUpKey(const std::string& name, KeyPress& key)
{
    const auto named = namedKeys().find(name);
    if (named != namedKeys().end()) {
        key.virtualKey = named->second;
        return true;
    }
    if (name.size() != 1) {
        return false;
    }
    const SHORT scan = VkKeyScanA(name[0]);
    if (scan == -1) {
        return false;
    }
    key.virtualKey = static_cast<WORD>(LOBYTE(scan));
    key.shift = (HIBYTE(scan) & 1) != 0;
    return true;
}

INPUT keyEvent(WORD virtualKey, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

std::vector<std::string> splitPlus(const std::string& combination)
{
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (pos <= combination.size()) {
        // A "+" right after a separator is the key itself, as in "alt++".
        std::size_t plus = combination.find('+', pos + 1);
        if (plus == std::string::npos) {
            plus = combination.size();
        }
        parts.push_back(combination.substr(pos, plus - pos));
        pos = plus + 1;
    }
    return parts;
}

}  // namespace

std::string typeCombination(const std::string& combination)
{
    std::vector<KeyPress> held;
    for (const std::string& part : splitPlus(combination)) {
        KeyPress key;
        if (!lookUpKey(part, key)) {
            return "unknown key " + quoted(part) + " in " + quoted(combination);
        }
        held.push_back(key);
    }
    const KeyPress last = held.back();
    held.pop_back();
    if (last.shift) {
        held.push_back({VK_SHIFT, false});
    }
    std::vector<INPUT> events;
    for (const KeyPress& key : held) {
        events.push_back(keyEvent(key.virtualKey, false));
    }
    events.push_back(keyEvent(last.virtualKey, false));
    events.push_back(keyEvent(last.virtualKey, true));
    for (auto key = held.rbegin(); key != held.rend(); ++key) {
        events.push_back(keyEvent(key->virtualKey, true));
    }
    const UINT sent = SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    if (sent != events.size()) {
        return "SendInput sent " + std::to_string(sent) + " of " + std::to_string(events.size()) + " events";
    }
    return {};
}

void clickAt(POINT screenPoint)
{
    SetCursorPos(screenPoint.x, screenPoint.y);
    Sleep(50);
    INPUT events[2] = {};
    events[0].type = INPUT_MOUSE;
    events[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    events[1].type = INPUT_MOUSE;
    events[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, events, sizeof(INPUT));
}

void doubleClickAt(POINT screenPoint)
{
    SetCursorPos(screenPoint.x, screenPoint.y);
    Sleep(50);
    INPUT events[4] = {};
    for (int i = 0; i < 4; ++i) {
        events[i].type = INPUT_MOUSE;
        events[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendInput(4, events, sizeof(INPUT));
}

bool bringToFront(HWND window, DWORD waitMs)
{
    if (GetForegroundWindow() == window) {
        return true;
    }
    SetForegroundWindow(window);
    return waitUntil(waitMs, [window] { return GetForegroundWindow() == window; });
}
