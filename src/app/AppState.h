// The one record that holds everything the program keeps from one menu command to the next.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "ui/Handles.h"

inline constexpr std::uint32_t BYTES_PER_SECOND = 176400;    // 44 100 frames of 2 channels x 2 bytes
inline constexpr std::uint32_t BYTES_PER_CENTISECOND = 1764;
inline constexpr std::uint32_t BYTES_PER_FRAME = 4;         // two channels of two bytes
inline constexpr std::uint32_t COPY_BUFFER_CAPACITY = 1024;
inline constexpr std::uint32_t WAVESHOW_MAX_FILE_BYTES = 5859375;
inline constexpr std::size_t WAV_HEADER_BYTES = 44;

using Flag = std::uint8_t;                                    // a selection flag: 0 or 1
using HeaderBytes = std::array<std::uint8_t, WAV_HEADER_BYTES>;  // byte positions 1..44 at index 0..43

// Cut modes: how pieceBytes was last set.
inline constexpr std::int32_t CUT_MODE_NONE = 0;
inline constexpr std::int32_t CUT_MODE_TEMPLATE = 1;
inline constexpr std::int32_t CUT_MODE_TIME = 2;
inline constexpr std::int32_t CUT_MODE_COUNT = 3;

struct AppState {
    // Window and start-up.
    std::string windowTitle;
    std::string windowClassName;
    ModuleRef appInstance = nullptr;
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
    std::int32_t cutMode = CUT_MODE_NONE;
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
