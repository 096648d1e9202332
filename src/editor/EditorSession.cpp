#include "editor/EditorSession.h"

#include <algorithm>

#include "core/FileIo.h"
#include "editor/EditorPlan.h"

MotherFrames::MotherFrames(const MotherSource& mother)
    : stream_(openFileForReading(mother.path)), dataAt_(mother.dataAt),
      frameBytes_(mother.format ? mother.format->blockAlign : 0), frames_(framesOf(mother))
{
}

MotherFrames::~MotherFrames()
{
    if (stream_ != nullptr) {
        std::fclose(stream_);
    }
}

std::size_t MotherFrames::read(std::uint64_t first, std::uint8_t* into, std::size_t frames)
{
    if (stream_ == nullptr || frameBytes_ == 0 || first >= frames_) {
        return 0;
    }
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(frames, frames_ - first));
    if (!seekFile(stream_, dataAt_ + first * frameBytes_)) {
        return 0;
    }
    return std::fread(into, 1, wanted * frameBytes_, stream_) / frameBytes_;
}

EditorSession& editorSession()
{
    static EditorSession session;
    return session;
}

bool sameMother(const EditorSession& session, const MotherSource& mother)
{
    return session.editor && session.mother.path == mother.path && session.mother.fileBytes == mother.fileBytes &&
           session.mother.dataAt == mother.dataAt && session.mother.sampleBytes == mother.sampleBytes &&
           session.mother.format == mother.format;
}

void keepEditorCuts(EditorSession& session, CutRecord& cut)
{
    if (!session.editor || session.editor->revision() == session.syncedRevision) {
        return;
    }
    cut.cutMode = CutMode::Marks;
    cut.marksRule = CutRule::Frames;
    cut.frameCuts = frameCutsOf(session.editor->cuts());
    session.syncedRevision = session.editor->revision();
    session.seenCut = cut;
}

const std::vector<std::string>& sessionNames(EditorSession& session, const CutRecord& cut, const NamesAndPicks& names)
{
    const std::string key =
        names.childStem + "|" + std::to_string(names.childNumber) + "|" + std::to_string(cut.startPattern);
    if (session.editor && (session.namesRevision != session.editor->revision() || session.namesKey != key)) {
        session.names = childNamesOf(session.editor->cuts(), session.mother,
                                     {names.childStem, names.childNumber, cut.startPattern, cut.copyBufferBytes}, 0);
        session.namesRevision = session.editor->revision();
        session.namesKey = key;
    }
    return session.names;
}
