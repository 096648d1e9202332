#include "writing/SplitFiles.h"

#include <cerrno>

#if defined(__linux__)
#include <sys/types.h>
#include <unistd.h>
#endif

#if defined(__linux__)

// The Child's header still waits in its stream buffer: it goes to the file first, so that the
// samples copied behind the stream's back follow it. The Mother is read at an offset of its own,
// so neither stream's position moves. A refusal before the first byte (a system without the call,
// file systems that cannot copy between them) says the copy is not possible here.
SystemCopy SystemCopyFiles::copyInSystem(std::FILE* mother, std::uint64_t motherOffset, std::FILE* child,
                                         std::size_t bytes)
{
    SystemCopy done;
    if (std::fflush(child) != 0) {
        done.possible = true;
        done.error = errno;
        return done;
    }
    auto offset = static_cast<loff_t>(motherOffset);
    while (done.copied < bytes) {
        const ssize_t moved =
            ::copy_file_range(fileno(mother), &offset, fileno(child), nullptr, bytes - done.copied, 0);
        if (moved < 0) {
            const int error = errno;
            const bool refused =
                error == ENOSYS || error == EXDEV || error == EINVAL || error == EOPNOTSUPP || error == EBADF;
            if (done.copied == 0 && refused) {
                return {};
            }
            done.error = error;
            break;
        }
        if (moved == 0) {
            break;  // the Mother's file ends here
        }
        done.copied += static_cast<std::size_t>(moved);
    }
    done.possible = true;
    return done;
}

#else

SystemCopy SystemCopyFiles::copyInSystem(std::FILE* mother, std::uint64_t motherOffset, std::FILE* child,
                                         std::size_t bytes)
{
    return SplitFiles::copyInSystem(mother, motherOffset, child, bytes);
}

#endif
