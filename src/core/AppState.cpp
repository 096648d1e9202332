#include "core/AppState.h"

void closeMotherStream(AppState& state)
{
    if (state.motherStream != nullptr) {
        std::fclose(state.motherStream);
        state.motherStream = nullptr;
    }
}

void closeAllStreams(AppState& state) { closeMotherStream(state); }
