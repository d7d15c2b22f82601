#include "runtime/descriptor_io.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace tarvel {
namespace {

// Waits until the descriptor is ready for `events`; false, with errno, when
// poll itself fails.
bool WaitFor(int fd, short events)
{
    pollfd ready{fd, events, 0};
    while (::poll(&ready, 1, -1) < 0)
        if (errno != EINTR)
            return false;
    return true;
}

bool NotReady(int error) { return error == EAGAIN || error == EWOULDBLOCK; }

} // namespace

OwnedDescriptor::~OwnedDescriptor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

int WriteFully(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t wrote = ::write(fd, bytes.data(), bytes.size());
        if (wrote >= 0) {
            bytes.remove_prefix(static_cast<std::size_t>(wrote));
        } else if (NotReady(errno)) {
            if (!WaitFor(fd, POLLOUT))
                return errno;
        } else if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

ssize_t ReadSome(int fd, char* into, std::size_t size)
{
    while (true) {
        const ssize_t got = ::read(fd, into, size);
        if (got >= 0)
            return got;
        if (NotReady(errno)) {
            if (!WaitFor(fd, POLLIN))
                return -1;
        } else if (errno != EINTR) {
            return -1;
        }
    }
}

} // namespace tarvel
