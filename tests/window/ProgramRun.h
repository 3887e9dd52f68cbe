#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <sys/types.h>

// The real editor, started on an X display with a home of its own; killed with the object if
// it is still running.
class TProgramRun {
public:
    TProgramRun(const QString& display, const QString& home, const QStringList& arguments,
                const QStringList& environment = {});
    ~TProgramRun();
    TProgramRun(const TProgramRun&) = delete;
    TProgramRun& operator=(const TProgramRun&) = delete;

    bool Running();
    // The exit code once the program ended within the time, else nothing.
    std::optional<int> WaitForExit(int milliseconds);
    // What the program wrote to its standard output and error.
    QString Output() const;

private:
    pid_t m_pid = -1;
    std::optional<int> m_exitCode;
    QString m_logPath;
};
