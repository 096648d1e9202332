// The one record that holds everything the program keeps from one menu command to the next. It is
// made of groups, one for each thing the fields belong to, so that a function can say by its
// signature which part it touches; every field is still reached as state.<name>.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/AudioFormat.h"
#include "core/CutRequest.h"
#include "core/Handles.h"

// The main window, and the pens created before it exists; Quit deletes the two waveform pens.
struct WindowRecord {
    std::string windowTitle;
    std::string windowClassName;
    PenRef thickRedPen = nullptr;
    PenRef greenPen = nullptr;
    PenRef bluePen = nullptr;
    PenRef yellowPen = nullptr;
    PenRef thickGreyPen = nullptr;

    friend bool operator==(const WindowRecord&, const WindowRecord&) = default;
};

// The Mother wave: its path, as long as the file picker delivers it, and what LOAD found in it.
struct MotherRecord {
    std::string motherPath;
    Flag motherChosen = 0;
    std::FILE* motherStream = nullptr;
    HeaderBytes motherHeader{};
    std::uint32_t motherFileBytes = 0;
    std::uint32_t motherDataBytes = 0;
    std::uint64_t motherReadOffset = 0;
    // A Mother of another format than the cut arithmetic's: the fixed header made of its own fmt
    // fields, sizes 0, which its Children carry; none for 16-bit stereo 44 100 Hz PCM.
    std::optional<HeaderBytes> motherOwnHeader;
    // A Mother whose header was never finished: the data size that header gives, which a split
    // must find unchanged; none when the header's data size is the samples' own.
    std::optional<std::uint32_t> motherHeaderDataSize;

    friend bool operator==(const MotherRecord&, const MotherRecord&) = default;
};

// How the Mother is to be cut: the piece length and where it came from (a template among them),
// the first piece, the copy block and the header every Child carries.
struct CutRecord {
    std::uint32_t pieceBytes = 0;
    CutMode cutMode = CutMode::None;
    std::int32_t startPattern = 0;
    std::uint32_t copyBufferBytes = COPY_BUFFER_CAPACITY;
    std::string likePath;
    Flag likeChosen = 0;
    std::string likeSettingPath;
    std::uint32_t likeFileBytes = 0;
    HeaderBytes headerBuf{};
    // A cut where the recording says (cutMode Marks): the rule, its label list or CUE sheet, and
    // for silences the level below full scale in dB and the shortest silence in milliseconds.
    CutRule marksRule = CutRule::None;
    std::string marksPath;
    std::uint32_t silenceBelowDb = 0;
    std::uint32_t silenceMs = 0;
    // The cut editor's cuts (marksRule Frames), once it has changed a cut or loaded a list.
    std::vector<FrameCut> frameCuts;

    friend bool operator==(const CutRecord&, const CutRecord&) = default;
};

// The Children's names, and the other files and numbers the user picks: the header list, the
// settings file and the number prompt.
struct NamesAndPicks {
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
    std::string promptText;
    std::uint32_t promptValue = 0;

    friend bool operator==(const NamesAndPicks&, const NamesAndPicks&) = default;
};

struct AppState : WindowRecord, MotherRecord, CutRecord, NamesAndPicks {
    friend bool operator==(const AppState&, const AppState&) = default;
};

// Closes the Mother stream if it is open; it becomes none, so it is never closed twice.
void closeMotherStream(MotherRecord& mother);

// Closes every stream that outlives a command; the Mother stream is the only one.
void closeAllStreams(AppState& state);
