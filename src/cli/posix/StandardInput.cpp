#include "cli/StandardInput.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

// A silent pipe is waited on this long at a time, so that a stop from outside is seen soon: the
// signals are caught with SA_RESTART, which would let a read wait on for the next byte.
constexpr int WAIT_MILLISECONDS = 200;
// What a pipe holds at once, where the system lets its reader choose: the writer then fills a
// block of the split in one go instead of sixteen, and each side wakes the other up less often.
constexpr int PIPE_BYTES = 1024 * 1024;

bool arrived()
{
    pollfd input{STDIN_FILENO, POLLIN, 0};
    return ::poll(&input, 1, WAIT_MILLISECONDS) > 0;
}

StreamRead readOf(ssize_t got)
{
    if (got > 0) {
        return {static_cast<std::size_t>(got), false, 0};
    }
    if (got == 0) {
        return {0, true, 0};
    }
    return errno == EINTR || errno == EAGAIN ? StreamRead{} : StreamRead{0, false, errno};
}

StreamRead readSome(std::uint8_t* into, std::size_t most)
{
    return arrived() ? readOf(::read(STDIN_FILENO, into, most)) : StreamRead{};
}

#ifdef __linux__
// From a pipe the kernel moves the bytes into the Child's file itself, as copy_file_range does
// for a Mother file; anything else standard input may be (a file, a terminal) refuses at once.
StreamMoved moveSome(std::FILE* child, std::size_t most)
{
    if (std::fflush(child) != 0) {
        return {true, {0, false, errno}};
    }
    if (!arrived()) {
        return {true, {}};
    }
    const ssize_t moved = ::splice(STDIN_FILENO, nullptr, fileno(child), nullptr, most, SPLICE_F_MOVE);
    if (moved < 0 && (errno == EINVAL || errno == ENOSYS || errno == EBADF)) {
        return {};
    }
    return {true, readOf(moved)};
}
#endif

// The name /dev/stdin leads to what standard input reads; it is given only for a file, since the
// name is no file for a pipe that the Children could be compared with.
std::string fileRead()
{
    struct stat status {};
    return ::fstat(STDIN_FILENO, &status) == 0 && S_ISREG(status.st_mode) ? "/dev/stdin" : "";
}

}  // namespace

StandardInput openStandardInput()
{
#ifdef F_SETPIPE_SZ
    ::fcntl(STDIN_FILENO, F_SETPIPE_SZ, PIPE_BYTES);  // a file or a terminal refuses, and stays as it is
#endif
#ifdef __linux__
    return {readSome, moveSome, fileRead};
#else
    return {readSome, nullptr, fileRead};
#endif
}
