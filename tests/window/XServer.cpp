#include "XServer.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// Reads the display number Xvfb writes to the pipe once it accepts connections. A loaded
// machine may take its time.
std::string readDisplayNumber(int fd) {
    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, 200) <= 0)
            continue;
        char c = 0;
        const ssize_t got = read(fd, &c, 1);
        if (got <= 0 || c == '\n')
            return number;
        number += c;
    }
    return {};
}

} // namespace

TXServer::TXServer(int width, int height) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("cannot make a pipe for Xvfb");
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const std::string displayFd = std::to_string(pipeEnds[1]);
    m_pid = fork();
    if (m_pid == 0) {
        close(pipeEnds[0]);
        execlp("Xvfb", "Xvfb", "-displayfd", displayFd.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    const std::string number = readDisplayNumber(pipeEnds[0]);
    close(pipeEnds[0]);
    if (m_pid < 0 || number.empty()) {
        this->~TXServer();
        throw std::runtime_error("Xvfb did not start (is the xvfb package installed?)");
    }
    m_display = QStringLiteral(":") + QString::fromStdString(number);
}

TXServer::~TXServer() {
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
            m_pid = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}
