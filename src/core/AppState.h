// The one record that holds everything the program keeps from one menu command to the next.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/AudioFormat.h"
#include "core/Handles.h"

struct AppState {
    // Window and start-up.
    std::string windowTitle;
    std::string windowClassName;
    static constexpr char lineEnd[2] = {'\r', '\n'};

    // Pens, created before the window exists; Quit deletes the two waveform pens.
    PenRef thickRedPen = nullptr;
    PenRef greenPen = nullptr;
    PenRef bluePen = nullptr;
    PenRef yellowPen = nullptr;
    PenRef thickGreyPen = nullptr;

    // Selections. Paths are held whole, as long as the file picker delivers them.
    std::string motherPath;
    Flag motherChosen = 0;
    std::string likePath;
    Flag likeChosen = 0;
    std::string likeSettingPath;
    std::string childBaseName;
    std::string childStem;
    Flag childrenNamed = 0;
    std::int32_t childNumber = 0;
    std::string listPath;
    Flag listChosen = 0;
    Flag listAsked = 0;
    std::string settingsPath;
    Flag settingsChosen = 0;
    std::string settingsText;

    // Mother wave facts.
    std::FILE* motherStream = nullptr;
    HeaderBytes motherHeader{};
    std::uint32_t motherFileBytes = 0;
    std::uint32_t motherDataBytes = 0;
    std::uint64_t motherReadOffset = 0;

    // Cut plan.
    std::uint32_t pieceBytes = 0;
    CutMode cutMode = CutMode::None;
    std::int32_t startPattern = 0;
    std::uint32_t copyBufferBytes = COPY_BUFFER_CAPACITY;
    std::array<std::uint8_t, COPY_BUFFER_CAPACITY> copyBuffer{};

    // Header and prompt.
    HeaderBytes headerBuf{};
    std::uint32_t likeFileBytes = 0;
    std::string promptText;
    std::uint32_t promptValue = 0;

    friend bool operator==(const AppState&, const AppState&) = default;
};

// Closes the Mother stream if it is open; it becomes none, so it is never closed twice.
void closeMotherStream(AppState& state);

// Closes every stream that outlives a command; the Mother stream is the only one.
void closeAllStreams(AppState& state);
