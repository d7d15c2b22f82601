#pragma once

#include <string>

namespace tarvel {

// Output to a file descriptor through a buffer that the caller appends to.
// Every write is checked: after a failure nothing more is written and
// failed() is true, with errno as the write left it in error().
class FdWriter {
public:
    explicit FdWriter(int fd);
    ~FdWriter();

    std::string& buffer() { return buffer_; }
    // Writes when the buffer is full enough to be worth a system call.
    void flushIfFull();
    bool flush();
    bool failed() const { return error_ != 0; }
    int error() const { return error_; }

private:
    int fd_;
    int error_ = 0;
    std::string buffer_;
};

} // namespace tarvel
