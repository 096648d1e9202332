#include "core/AppState.h"

void closeMotherStream(MotherRecord& mother)
{
    if (mother.motherStream != nullptr) {
        std::fclose(mother.motherStream);
        mother.motherStream = nullptr;
    }
}

void closeAllStreams(AppState& state) { closeMotherStream(state); }
