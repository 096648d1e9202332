// The files a split works on, behind one small layer so that a test can make any of its steps
// fail: opening the Mother, creating a Child, reading, writing, closing and removing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/FileIo.h"

// A Child's temporary file as the file layer made it: created and open, or refused because the
// Child's name leads to the Mother's own file, or may do so.
struct ChildCreation {
    std::FILE* stream = nullptr;  // none when refused or when the file cannot be created
    Sameness mother = Sameness::Different;
};

// A whole Child renamed from its temporary name to its own, or why not: its name leads to the
// Mother (or may do so), or the system's cause.
struct ChildPlacement {
    bool placed = false;
    Sameness mother = Sameness::Different;
    int error = 0;
};

// Creates the temporary file a Child is written under (a new file, never an existing one), and
// renames it to the Child's name once whole, replacing a Child of that name but never the Mother.
// Each system has its own, so that each looks a name up as few times as it can.
ChildCreation createTemporaryChild(const std::string& path, const std::string& motherPath,
                                   const std::string& temporary);
ChildPlacement placeChild(const std::string& temporary, const std::string& path, const std::string& motherPath);
// What tells one file from another on its system: its device or volume and its number there.
struct FileKey {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    friend bool operator==(const FileKey&, const FileKey&) = default;
};
// The key of the file a path names; none when it cannot be looked at.
std::optional<FileKey> fileKeyOf(const std::string& path);
// Whether a file other than the one of the Mother's key stands under the Child's name with
// exactly these first bytes and this length: one open and a look at it, as cheap as the system
// allows, since a resumed run asks it of every Child.
bool childStandsWhole(const std::string& path, const std::vector<std::uint8_t>& head, std::uint64_t fileBytes,
                      const FileKey& mother);
// The names of the entries of a folder ("." and ".." left out), read as the system lists them:
// a folder of tens of thousands of Children is read once a split, for the leftovers of killed
// runs, and the system's own listing costs a fraction of a path made of each name. None when the
// folder cannot be read.
std::vector<std::string> namesInFolder(const std::string& folder);
// Forces what the system holds of a written, flushed file onto the disk, and the entries of a
// folder (a rename in it) likewise; false when the system says it could not.
bool syncChildToDisk(std::FILE* stream);
bool syncFolderToDisk(const std::string& folder);
// The folder a run's temporary files go in (see TemporaryChild.h): made new, removed when empty.
bool makeRunFolder(const std::string& path);
bool removeRunFolder(const std::string& path);

// What a copy inside the system did: not possible here (then the bytes go through the process),
// or how many bytes it copied before it stopped, and the runtime's cause when it failed.
struct SystemCopy {
    bool possible = false;
    std::size_t copied = 0;
    int error = 0;
};

class SplitFiles {
public:
    SplitFiles();
    virtual ~SplitFiles();
    SplitFiles(const SplitFiles&) = delete;
    SplitFiles& operator=(const SplitFiles&) = delete;

    // Opens the Mother for reading through a large stream buffer; none when it cannot be opened.
    virtual std::FILE* openMother(const std::string& path);
    // Creates the temporary file of the Child named path for reading and writing, through a
    // large stream buffer, unless the Child's name leads to the Mother's file where the system
    // can tell at once; no stream when it cannot be created (errno then tells why) or when it was
    // refused.
    virtual ChildCreation createChild(const std::string& path, const std::string& motherPath,
                                      const std::string& temporary);
    // Renames the closed, whole temporary file to the Child's name in one step, unless that name
    // leads to the Mother's file.
    virtual ChildPlacement place(const std::string& temporary, const std::string& path, const std::string& motherPath);
    // Makes the run's folder of temporary files, which must not exist yet (errno tells why not),
    // and removes it once empty.
    virtual bool makeFolder(const std::string& path);
    // Makes the folders a Child's path leads through, those that are not there yet (a name on
    // the clock may make folders); false, with errno, when one cannot be made.
    virtual bool makeFoldersFor(const std::string& path);
    virtual bool removeFolder(const std::string& path);
    virtual bool seek(std::FILE* stream, std::uint64_t offset);
    virtual std::size_t read(std::FILE* stream, void* into, std::size_t bytes);
    virtual std::size_t write(std::FILE* stream, const void* from, std::size_t bytes);
    // Writes out what the stream still holds in its buffer; false when that failed.
    virtual bool flush(std::FILE* stream);
    // Whether a write on the stream has failed since it was opened, even one that was reported
    // as whole because it only filled the buffer.
    virtual bool hasError(std::FILE* stream);
    // False when the last buffered bytes could not be written out. Some runtimes report success
    // here even then, so a Child is flushed and checked before it is closed.
    virtual bool close(std::FILE* stream);
    virtual bool remove(const std::string& path);
    // The key of the file a path names (the Mother's, looked at once a split).
    virtual std::optional<FileKey> keyOf(const std::string& path);
    // Whether a file other than the Mother stands under the name with exactly these bytes first
    // and this length in all.
    virtual bool holds(const std::string& path, const std::vector<std::uint8_t>& head, std::uint64_t fileBytes,
                       const FileKey& mother);
    // The file's bytes forced onto the disk (after a flush), and the folder's entries after a rename.
    virtual bool syncToDisk(std::FILE* stream);
    virtual bool syncFolder(const std::string& folder);
    // Copies bytes of the Mother, from an offset of its file on, to the end of the Child's file
    // without passing them through the process, where the system can; the Mother stream's own
    // position is left as it was. This layer cannot: every byte is read and written.
    virtual SystemCopy copyInSystem(std::FILE* mother, std::uint64_t motherOffset, std::FILE* child, std::size_t bytes);

private:
    // One buffer each for the Mother and for the Child being written; a split holds at most one
    // of each open at a time, so they are reused from Child to Child.
    std::unique_ptr<char[]> motherBuffer_;
    std::unique_ptr<char[]> childBuffer_;
};

// The file layer that copies the samples inside the system where it can (copy_file_range on
// Linux), as cp does; elsewhere, or on a file system that refuses, it reads and writes as its base.
class SystemCopyFiles : public SplitFiles {
public:
    SystemCopy copyInSystem(std::FILE* mother, std::uint64_t motherOffset, std::FILE* child,
                            std::size_t bytes) override;
};

// Size of each stream buffer: large enough that the runtime reads and writes the disk in few,
// large requests however small the copy blocks are.
inline constexpr std::size_t SPLIT_STREAM_BUFFER_BYTES = 256 * 1024;
