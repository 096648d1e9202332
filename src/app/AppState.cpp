#include "app/AppState.h"

void closeAllStreams(AppState& state)
{
    if (state.motherStream != nullptr) {
        std::fclose(state.motherStream);
        state.motherStream = nullptr;
    }
}
