#include "ProgramRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

TProgramRun::TProgramRun(const QString& display, const QString& home, const QStringList& arguments,
                         const QStringList& environment) {
    const QDir homeDir(home);
    homeDir.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(homeDir.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_logPath = homeDir.filePath(QStringLiteral("program.log"));

    QStringList variables = {
        QStringLiteral("DISPLAY=") + display,
        QStringLiteral("QT_QPA_PLATFORM=xcb"),
        QStringLiteral("QT_QPA_PLATFORMTHEME="),
        QStringLiteral("QT_ACCESSIBILITY=0"),
        QStringLiteral("HOME=") + home,
        QStringLiteral("XDG_CONFIG_HOME=") + homeDir.filePath(QStringLiteral(".config")),
        QStringLiteral("XDG_DATA_HOME=") + homeDir.filePath(QStringLiteral(".local/share")),
        QStringLiteral("XDG_CACHE_HOME=") + homeDir.filePath(QStringLiteral(".cache")),
        QStringLiteral("XDG_RUNTIME_DIR=") + homeDir.filePath(QStringLiteral("runtime")),
        QStringLiteral("PATH=") + qEnvironmentVariable("PATH"),
        QStringLiteral("LC_ALL=C.UTF-8"),
    };
    for (const char* passed : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
        if (qEnvironmentVariableIsSet(passed))
            variables << QString::fromLatin1(passed) + u'=' + qEnvironmentVariable(passed);
    // A test's own value of a variable takes the place of the one set here.
    for (const QString& variable : environment) {
        const QString name = variable.section(u'=', 0, 0) + u'=';
        variables.removeIf([&name](const QString& set) { return set.startsWith(name); });
        variables << variable;
    }

    std::vector<std::string> argumentBytes{BRINDLEWICK_PROGRAM};
    for (const QString& argument : arguments)
        argumentBytes.push_back(QFile::encodeName(argument).toStdString());
    std::vector<std::string> variableBytes;
    for (const QString& variable : variables)
        variableBytes.push_back(variable.toLocal8Bit().toStdString());
    std::vector<char*> argv, envp;
    for (std::string& argument : argumentBytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    for (std::string& variable : variableBytes)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    const std::string log = QFile::encodeName(m_logPath).toStdString();

    m_pid = fork();
    if (m_pid == 0) {
        const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out >= 0) {
            dup2(out, 1);
            dup2(out, 2);
        }
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    if (m_pid < 0)
        throw std::runtime_error("cannot start the program");
}

TProgramRun::~TProgramRun() {
    if (!Running())
        return;
    kill(m_pid, SIGTERM);
    if (!WaitForExit(10000)) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

bool TProgramRun::Running() {
    if (m_exitCode || m_pid <= 0)
        return false;
    int status = 0;
    if (waitpid(m_pid, &status, WNOHANG) != m_pid)
        return true;
    m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return false;
}

std::optional<int> TProgramRun::WaitForExit(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (Running() && clock.elapsed() < milliseconds)
        QThread::msleep(25);
    return m_exitCode;
}

QString TProgramRun::Output() const {
    QFile file(m_logPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(file.readAll());
}
