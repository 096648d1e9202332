// The editor kept from one opening to the next while the Mother stays the one it was opened
// with: the Mother in its own time, its summary, an open reading of its frames, the cuts with
// their undo, and the Child names last made of them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/AppState.h"
#include "editor/CutEditor.h"
#include "editor/Playback.h"
#include "editor/WaveSummary.h"
#include "planning/SplitPlan.h"

// The Mother's frames, read through a stream of the editor's own.
class MotherFrames {
public:
    explicit MotherFrames(const MotherSource& mother);
    ~MotherFrames();
    MotherFrames(const MotherFrames&) = delete;
    MotherFrames& operator=(const MotherFrames&) = delete;

    bool isOpen() const { return stream_ != nullptr; }
    std::size_t read(std::uint64_t first, std::uint8_t* into, std::size_t frames);
    FrameReader reader()
    {
        return [this](std::uint64_t f, std::uint8_t* into, std::size_t n) { return read(f, into, n); };
    }

private:
    std::FILE* stream_ = nullptr;
    std::uint64_t dataAt_ = 0;
    std::uint64_t frameBytes_ = 0;
    std::uint64_t frames_ = 0;
};

struct EditorSession {
    MotherSource mother;
    SampleLayout layout;
    WaveSummary summary;
    std::unique_ptr<MotherFrames> frames;
    FrameReader read;
    std::optional<CutEditor> editor;
    std::uint64_t syncedRevision = 0;  // the cuts the record holds, as the editor counts its changes
    std::optional<CutRecord> seenCut;  // the record's cut as the editor last took it or gave it
    bool shown = false;
    bool snap = false;                       // SNAP to ZERO, as the menu shows it; kept for the next Mother
    std::optional<std::uint64_t> playFrame;  // the play line: the frame being heard
    std::unique_ptr<Playback> playback;      // what plays, made at the first key that plays
    // The Child names of the cuts, made again when the cuts or the names' record change.
    std::vector<std::string> names;
    std::uint64_t namesRevision = UINT64_MAX;
    std::string namesKey;
};

// The program's one editor.
EditorSession& editorSession();

// Whether the session belongs to this Mother, as the split finds it now.
bool sameMother(const EditorSession& session, const MotherSource& mother);

// The editor's cuts made the record's cut when they changed since it last took them.
void keepEditorCuts(EditorSession& session, CutRecord& cut);

// The Child names of the cuts under the record's stem and numbering.
const std::vector<std::string>& sessionNames(EditorSession& session, const CutRecord& cut, const NamesAndPicks& names);
