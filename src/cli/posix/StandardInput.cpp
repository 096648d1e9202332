#include "cli/StandardInput.h"

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// A silent pipe is waited on this long at a time, so that a stop from outside is seen soon: the
// signals are caught with SA_RESTART, which would let a read wait on for the next byte.
constexpr int WAIT_MILLISECONDS = 200;

StreamRead readSome(std::uint8_t* into, std::size_t most)
{
    pollfd input{STDIN_FILENO, POLLIN, 0};
    const int ready = ::poll(&input, 1, WAIT_MILLISECONDS);
    if (ready == 0 || (ready < 0 && errno == EINTR)) {
        return {};
    }
    const ssize_t got = ::read(STDIN_FILENO, into, most);
    if (got > 0) {
        return {static_cast<std::size_t>(got), false, 0};
    }
    if (got == 0) {
        return {0, true, 0};
    }
    return errno == EINTR || errno == EAGAIN ? StreamRead{} : StreamRead{0, false, errno};
}

// The name /dev/stdin leads to what standard input reads; it is given only for a file, since the
// name is no file for a pipe that the Children could be compared with.
std::string fileRead()
{
    struct stat status {};
    return ::fstat(STDIN_FILENO, &status) == 0 && S_ISREG(status.st_mode) ? "/dev/stdin" : "";
}

}  // namespace

StandardInput openStandardInput() { return {readSome, fileRead}; }
