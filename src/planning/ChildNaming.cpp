#include "planning/ChildNaming.h"

void composeChildName(std::string& destination, std::string_view stem, std::int32_t number, std::string_view extension,
                      std::uint32_t digits)
{
    destination.assign(stem);
    if (number > 0) {
        const std::string shown = std::to_string(number);
        destination.append(digits > shown.size() ? digits - shown.size() : 0, '0');
        destination += shown;
    }
    destination += '.';
    destination += extension.substr(0, 3);
}

void nextChildName(AppState& state)
{
    composeChildName(state.childBaseName, state.childStem, state.childNumber, CHILD_EXTENSION);
    // Wraps instead of overflowing: a start pattern near the top of the range is the user's choice.
    state.childNumber = static_cast<std::int32_t>(static_cast<std::uint32_t>(state.childNumber) + 1u);
}
