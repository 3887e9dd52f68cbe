#include "ShellNamespace.h"

#include "DesktopFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString dataHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}
QString configHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// The templates folder is not among Qt's standard locations: read it from user-dirs.dirs.
QString templatesPath() {
    QFile file(configHome() + QStringLiteral("/user-dirs.dirs"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        static const QRegularExpression line(QStringLiteral("^XDG_TEMPLATES_DIR=\"(.*)\"$"),
                                             QRegularExpression::MultilineOption);
        const auto match = line.match(QString::fromUtf8(file.readAll()));
        if (match.hasMatch()) {
            QString value = match.captured(1);
            value.replace(QStringLiteral("$HOME"), QDir::homePath());
            return value;
        }
    }
    return QDir::homePath() + QStringLiteral("/Templates");
}

} // namespace

TShellFolderRef SHGetDesktopFolder() {
    static const TShellFolderRef desktop = std::make_shared<TDesktopFolder>();
    return desktop;
}

QString SpecialFolderPath(int csidl) {
    switch (csidl) {
    case CSIDL::DESKTOP:
        return {};
    case CSIDL::PROGRAMS:
    case CSIDL::SENDTO:
        return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    case CSIDL::STARTMENU:
        return QStringLiteral("/usr/share/applications");
    case CSIDL::CONTROLS:
        return configHome();
    case CSIDL::PRINTERS:
        return QStringLiteral("/etc/cups");
    case CSIDL::PERSONAL:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case CSIDL::FAVORITES:
        return QDir::homePath();
    case CSIDL::STARTUP:
        return configHome() + QStringLiteral("/autostart");
    case CSIDL::RECENT:
        return dataHome();
    case CSIDL::BITBUCKET:
        return dataHome() + QStringLiteral("/Trash/files");
    case CSIDL::DESKTOPDIRECTORY:
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    case CSIDL::DRIVES:
        return QStringLiteral("/");
    case CSIDL::NETWORK:
    case CSIDL::NETHOOD:
        return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
               QStringLiteral("/gvfs");
    case CSIDL::FONTS:
        return dataHome() + QStringLiteral("/fonts");
    case CSIDL::TEMPLATES:
        return templatesPath();
    default:
        return {};
    }
}

ItemIDList SHGetSpecialFolderLocation(int csidl) {
    if (csidl == CSIDL::DESKTOP)
        return AllocIDList(2);
    const QString path = SpecialFolderPath(csidl);
    if (path.isEmpty())
        return {};
    return SHGetDesktopFolder()->ParseDisplayName(path);
}

QString SHGetPathFromIDList(PCItemID absolute) {
    return SHGetDesktopFolder()->PathOf(absolute);
}

QByteArray SHGetNativePathFromIDList(PCItemID absolute) {
    return SHGetDesktopFolder()->NativePathOf(absolute);
}
