#include "RecentlyUsedFiles.h"

#include "NativeUrl.h"
#include "PlatformError.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString BookmarkSpace =
    QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString MimeSpace = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

// Desktops keep a few hundred entries; a file far bigger than that is not read whole.
constexpr qint64 LargestList = 64 << 20;

const QByteArray EmptyList = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<xbel version=\"1.0\"\n"
                             "      xmlns:bookmark=\"" +
                             BookmarkSpace.toLatin1() +
                             "\"\n"
                             "      xmlns:mime=\"" +
                             MimeSpace.toLatin1() +
                             "\"\n"
                             ">\n"
                             "</xbel>\n";

// What an earlier bookmark of the file holds that its new one keeps.
struct TEarlierUse {
    QString Added;
    int Count = 0;
    QList<QXmlStreamAttributes> OtherApplications;
};

QString stamp(const QDateTime& when) {
    return when.toUTC().toString(Qt::ISODateWithMs);
}

bool isElement(const QXmlStreamReader& reader, const QString& space, QLatin1StringView name) {
    return reader.name() == name && reader.namespaceUri() == space;
}

// Reads the bookmark the reader stands on, up to its end.
TEarlierUse readEarlierUse(QXmlStreamReader& reader) {
    TEarlierUse earlier;
    earlier.Added = reader.attributes().value(QLatin1String("added")).toString();
    for (int depth = 1; depth > 0 && !reader.atEnd();) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement)
            --depth;
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        if (!isElement(reader, BookmarkSpace, QLatin1StringView("application")))
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (attributes.value(QLatin1String("name")) == QLatin1String(RecentFileApplication))
            earlier.Count = attributes.value(QLatin1String("count")).toInt();
        else
            earlier.OtherApplications << attributes;
    }
    return earlier;
}

void newLine(QXmlStreamWriter& writer, int indent) {
    writer.writeCharacters(u'\n' + QString(indent, u' '));
}

void writeBookmark(QXmlStreamWriter& writer, const TRecentFileUse& use,
                   const TEarlierUse& earlier) {
    const QString now = stamp(use.When);
    writer.writeStartElement(QStringLiteral("bookmark"));
    writer.writeAttribute(QStringLiteral("href"),
                          QString::fromLatin1(UrlFromNativePath(use.Path).toEncoded()));
    writer.writeAttribute(QStringLiteral("added"), earlier.Added.isEmpty() ? now : earlier.Added);
    writer.writeAttribute(QStringLiteral("modified"), now);
    writer.writeAttribute(QStringLiteral("visited"), now);
    newLine(writer, 4);
    writer.writeStartElement(QStringLiteral("info"));
    newLine(writer, 6);
    writer.writeStartElement(QStringLiteral("metadata"));
    writer.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    newLine(writer, 8);
    writer.writeEmptyElement(MimeSpace, QStringLiteral("mime-type"));
    writer.writeAttribute(QStringLiteral("type"), use.MimeType);
    newLine(writer, 8);
    writer.writeStartElement(BookmarkSpace, QStringLiteral("applications"));
    for (const QXmlStreamAttributes& application : earlier.OtherApplications) {
        newLine(writer, 10);
        writer.writeEmptyElement(BookmarkSpace, QStringLiteral("application"));
        writer.writeAttributes(application);
    }
    newLine(writer, 10);
    writer.writeEmptyElement(BookmarkSpace, QStringLiteral("application"));
    writer.writeAttribute(QStringLiteral("name"), QLatin1String(RecentFileApplication));
    writer.writeAttribute(QStringLiteral("exec"), QLatin1String(RecentFileExec));
    writer.writeAttribute(QStringLiteral("modified"), now);
    writer.writeAttribute(QStringLiteral("count"), QString::number(earlier.Count + 1));
    for (const int indent : {8, 6, 4, 2}) {
        newLine(writer, indent);
        writer.writeEndElement();
    }
}

// Copies the element the reader stands on with the prefixes it declares, so that the copy
// names its namespaces as the original did.
void copyStartElement(const QXmlStreamReader& reader, QXmlStreamWriter& writer) {
    for (const QXmlStreamNamespaceDeclaration& declaration : reader.namespaceDeclarations()) {
        if (declaration.prefix().isEmpty())
            writer.writeDefaultNamespace(declaration.namespaceUri().toString());
        else
            writer.writeNamespace(declaration.namespaceUri().toString(),
                                  declaration.prefix().toString());
    }
    writer.writeStartElement(reader.namespaceUri().toString(), reader.name().toString());
    writer.writeAttributes(reader.attributes());
}

void declareMissing(const QXmlStreamReader& reader, QXmlStreamWriter& writer, const QString& space,
                    const QString& prefix) {
    for (const QXmlStreamNamespaceDeclaration& declaration : reader.namespaceDeclarations())
        if (declaration.namespaceUri() == space)
            return;
    writer.writeNamespace(space, prefix);
}

bool namesThePath(const QXmlStreamReader& reader, const QByteArray& path) {
    const QString href = reader.attributes().value(QLatin1String("href")).toString();
    return NativePathFromUrl(QUrl::fromEncoded(href.toUtf8())) == path;
}

} // namespace

QString RecentlyUsedFilesPath(const QString& dataHome) {
    return dataHome + QStringLiteral("/recently-used.xbel");
}

QByteArray WithRecentlyUsedFile(const QByteArray& xbel, const TRecentFileUse& use) {
    QXmlStreamReader reader(xbel.isEmpty() ? EmptyList : xbel);
    QByteArray result;
    QXmlStreamWriter writer(&result);
    bool recorded = false;
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            writer.writeStartDocument();
            writer.writeCharacters(QStringLiteral("\n"));
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth == 1 && (reader.name() != u"xbel" || !reader.namespaceUri().isEmpty()))
                throw EPlatformError(QStringLiteral("not a list of bookmarks"));
            if (depth == 2 && reader.name() == u"bookmark" && namesThePath(reader, use.Path)) {
                const TEarlierUse earlier = readEarlierUse(reader);
                --depth;
                // A second bookmark of the same file goes: one file, one bookmark.
                if (!recorded)
                    writeBookmark(writer, use, earlier);
                recorded = true;
                break;
            }
            copyStartElement(reader, writer);
            if (depth == 1) {
                declareMissing(reader, writer, BookmarkSpace, QStringLiteral("bookmark"));
                declareMissing(reader, writer, MimeSpace, QStringLiteral("mime"));
            }
            break;
        case QXmlStreamReader::EndElement:
            if (depth-- == 1 && !recorded) {
                writer.writeCharacters(QStringLiteral("  "));
                writeBookmark(writer, use, {});
                writer.writeCharacters(QStringLiteral("\n"));
                recorded = true;
            }
            writer.writeEndElement();
            break;
        case QXmlStreamReader::EndDocument:
            writer.writeEndDocument();
            break;
        default:
            writer.writeCurrentToken(reader);
        }
    }
    if (reader.hasError() || !recorded)
        throw EPlatformError(QStringLiteral("not a list of bookmarks"));
    if (!result.endsWith('\n'))
        result += '\n';
    return result;
}

void AddRecentlyUsedFile(const QString& listFile, const TRecentFileUse& use) {
    const QByteArray name = QFile::encodeName(listFile);
    QFile input(listFile);
    QByteArray earlier;
    if (input.exists()) {
        if (!QFileInfo(input).isFile() || input.size() > LargestList ||
            !input.open(QIODevice::ReadOnly)) {
            qWarning("brindlewick: cannot read %s; it is left as it is", name.constData());
            return;
        }
        earlier = input.readAll();
    }
    QByteArray updated;
    try {
        updated = WithRecentlyUsedFile(earlier, use);
    } catch (const EPlatformError&) {
        qWarning("brindlewick: %s is damaged; it is left as it is", name.constData());
        return;
    }
    if (!WriteWholeFile(listFile, updated))
        qWarning("brindlewick: cannot write %s", name.constData());
}
