#pragma once

#include <cstddef>
#include <string_view>
#include <sys/types.h>

namespace tarvel {

// Reads and writes on a file descriptor that may be non-blocking (a parent
// process may have set O_NONBLOCK on the standard input or output it hands
// over): where the descriptor is not ready, they wait for it with poll
// instead of failing. An interrupted call is made again.

// Writes every byte; 0 once all are written, else the errno of the failure.
int WriteFully(int fd, std::string_view bytes);

// One read of at most `size` bytes: their number, 0 at the end of the input,
// -1 with errno set on a failure.
ssize_t ReadSome(int fd, char* into, std::size_t size);

// A descriptor this code opened, closed when it goes; a negative one is none.
class OwnedDescriptor {
public:
    explicit OwnedDescriptor(int fd) : fd_(fd) {}
    ~OwnedDescriptor();
    OwnedDescriptor(const OwnedDescriptor&) = delete;
    OwnedDescriptor& operator=(const OwnedDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace tarvel
