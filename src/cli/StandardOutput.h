#pragma once

#include <array>
#include <streambuf>

// A standard stream the program was started without (closed by its caller) is opened on
// /dev/null the other way round: no file the program opens can take its number and receive
// its output, and writing to it fails as writing to a closed stream does.
void ReserveStandardStreams();

// Standard output as the commands write it: buffered, written with the system's write, and
// remembering the first failure, so that output lost to a full disk or a closed stream is
// never taken for success.
class TStandardOutput : public std::streambuf {
public:
    TStandardOutput() { setp(m_buffer.data(), m_buffer.data() + m_buffer.size()); }
    TStandardOutput(const TStandardOutput&) = delete;
    TStandardOutput& operator=(const TStandardOutput&) = delete;

    // Writes what is left; returns the error number of the first write that failed, 0 if none.
    int Finish();

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool writeBuffered();

    std::array<char, 1 << 16> m_buffer;
    int m_error = 0;
};
