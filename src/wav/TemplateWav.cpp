#include "wav/TemplateWav.h"

#include <cerrno>
#include <cstdio>

#include "core/FileIo.h"
#include "wav/WavChunks.h"
#include "wav/WavHeader.h"

namespace {

TemplateProblem problemOf(const TemplateWav& read, const WavLayout& layout)
{
    if (read.headerBytesRead < WAV_HEADER_BYTES) {
        return TemplateProblem::TooShort;
    }
    if (!layout.riffWave) {
        return TemplateProblem::NotRiffWave;
    }
    if (!layout.data) {
        return TemplateProblem::NoData;
    }
    if (!layout.fmt) {
        return TemplateProblem::NoFormat;
    }
    return TemplateProblem::None;
}

}  // namespace

TemplateWav readTemplateWav(const std::string& path)
{
    TemplateWav read;
    errno = 0;
    std::FILE* stream = openFileForReading(path);
    const int openError = errno;
    const std::optional<std::uint64_t> fileBytes = stream ? streamLength(stream) : std::nullopt;
    if (!fileBytes) {
        if (stream != nullptr) {
            std::fclose(stream);
        }
        read.problem = TemplateProblem::CannotOpen;
        read.openError = stream == nullptr ? openError : 0;
        return read;
    }
    HeaderBytes first{};
    read.headerBytesRead = readHeader(stream, first);
    const WavLayout layout = readWavLayout(stream, *fileBytes);
    std::fclose(stream);
    read.problem = problemOf(read, layout);
    if (read.problem != TemplateProblem::None) {
        return read;
    }
    read.pieceBytes = layout.data->size;
    read.format = layout.format;
    read.childHeader = isCanonicalHeader(first) ? first : canonicalHeaderOf(layout.format, read.pieceBytes);
    return read;
}
