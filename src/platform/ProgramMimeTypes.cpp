#include "ProgramMimeTypes.h"

#include <QFile>
#include <QXmlStreamReader>

std::vector<TProgramMimeType> ParseMimePackage(const QByteArray& xml) {
    std::vector<TProgramMimeType> types;
    QXmlStreamReader reader(xml);
    TProgramMimeType current;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (reader.name() == u"mime-type") {
                current = {reader.attributes().value(QLatin1String("type")).toString(), {}, {}};
            } else if (reader.name() == u"comment" && reader.attributes().value(QLatin1String("xml:lang")).isEmpty()) {
                current.comment = reader.readElementText();
            } else if (reader.name() == u"glob") {
                const QString pattern = reader.attributes().value(QLatin1String("pattern")).toString();
                if (pattern.startsWith(QStringLiteral("*.")) && !pattern.mid(1).contains(u'*'))
                    current.extensions.push_back(pattern.mid(1).toLower());
            }
        } else if (token == QXmlStreamReader::EndElement && reader.name() == u"mime-type") {
            if (!current.name.isEmpty() && !current.comment.isEmpty())
                types.push_back(current);
        }
    }
    return types;
}

const std::vector<TProgramMimeType>& ProgramMimeTypes() {
    static const std::vector<TProgramMimeType> types = [] {
        QFile package(QStringLiteral(":/brindlewick/brindlewick-mime.xml"));
        return package.open(QIODevice::ReadOnly) ? ParseMimePackage(package.readAll())
                                                 : std::vector<TProgramMimeType>{};
    }();
    return types;
}

std::optional<TProgramMimeType> ProgramMimeTypeOf(const QString& fileName) {
    const QString name = fileName.mid(fileName.lastIndexOf(u'/') + 1).toLower();
    for (const TProgramMimeType& type : ProgramMimeTypes()) {
        for (const QString& extension : type.extensions) {
            if (name.size() > extension.size() && name.endsWith(extension))
                return type;
        }
    }
    return std::nullopt;
}
