#include "StandardOutput.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

void ReserveStandardStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF)
            continue;
        const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

bool TStandardOutput::writeBuffered() {
    const char* data = pbase();
    std::size_t left = static_cast<std::size_t>(pptr() - pbase());
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    // After a failure the rest is dropped: the first error is the one to tell.
    while (left > 0 && m_error == 0) {
        const ssize_t written = ::write(STDOUT_FILENO, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            m_error = written < 0 ? errno : EIO;
            break;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return m_error == 0;
}

TStandardOutput::int_type TStandardOutput::overflow(int_type c) {
    if (!writeBuffered())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

int TStandardOutput::sync() {
    return writeBuffered() ? 0 : -1;
}

int TStandardOutput::Finish() {
    writeBuffered();
    return m_error;
}
