#include "FileAssociations.h"

#include "DesktopEntry.h"
#include "PlatformError.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

void writeFile(const QString& path, const QString& content) {
    if (!WriteWholeFile(path, content.toUtf8()))
        //: %1 is the path of a file that records which program opens campaign files.
        throw EPlatformError(
            QCoreApplication::translate("FileAssociations", "Failed to set data for '%1'")
                .arg(path));
}

QString readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString mimePackage(const TFileAssociation& association) {
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<!-- %1: written by Brindlewick when asked to open these files -->\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%2\">\n"
               "    <comment>%3</comment>\n"
               "    <glob pattern=\"*.%4\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(association.TypeId, association.MimeType, association.Description,
             association.Extension);
}

QString desktopEntry(const TFileAssociation& association, const QString& programPath) {
    const QString exec = DesktopEntry::QuotedExecArgument(programPath) + QStringLiteral(" %f");
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Brindlewick\n"
                          "Comment=%1 (%2)\n"
                          "Exec=%3\n"
                          "MimeType=%4;\n"
                          "NoDisplay=true\n"
                          "Terminal=false\n"
                          "Actions=Open;\n"
                          "\n"
                          "[Desktop Action Open]\n"
                          "Name=&Open\n"
                          "Exec=%3\n")
        .arg(association.Description, association.TypeId, exec, association.MimeType);
}

void runIfPresent(const QString& program, const QString& folder) {
    const QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        return;
    QProcess process;
    process.start(found, {folder});
    process.waitForFinished(30000);
}

} // namespace

TFileAssociation AssociationFor(TCampaignFileKind kind) {
    if (kind == TCampaignFileKind::Campaign)
        return {QStringLiteral("cpn"), QStringLiteral("Qor.Campaign"),
                QStringLiteral("application/x-qor-campaign"),
                QStringLiteral("Quorvane/Meltharn Campaign")};
    return {QStringLiteral("cpx"), QStringLiteral("Qor.Expansion"),
            QStringLiteral("application/x-qor-expansion"),
            QStringLiteral("Quorvane/Meltharn Expansion Campaign")};
}

void RegisterFileAssociation(TCampaignFileKind kind, const QString& programPath,
                             const TXdgFolders& folders) {
    const TFileAssociation association = AssociationFor(kind);
    const QString mimeFolder = folders.DataHome + QStringLiteral("/mime");
    const QString applications = folders.DataHome + QStringLiteral("/applications");
    const QString desktopFile = association.TypeId + QStringLiteral(".desktop");

    writeFile(mimeFolder + QStringLiteral("/packages/") + association.TypeId +
                  QStringLiteral(".xml"),
              mimePackage(association));
    writeFile(applications + u'/' + desktopFile, desktopEntry(association, programPath));

    const QString mimeApps = folders.ConfigHome + QStringLiteral("/mimeapps.list");
    QString list = readFile(mimeApps);
    list = DesktopEntry::WithValue(list, QStringLiteral("Default Applications"),
                                   association.MimeType, desktopFile + u';');
    list = DesktopEntry::WithValue(list, QStringLiteral("Added Associations"), association.MimeType,
                                   desktopFile + u';');
    writeFile(mimeApps, list);

    // The desktop reads types and openers from caches these tools rebuild.
    runIfPresent(QStringLiteral("update-mime-database"), mimeFolder);
    runIfPresent(QStringLiteral("update-desktop-database"), applications);
}
