#include "PropertiesDialog.h"

#include "DetailTexts.h"
#include "FileFacts.h"
#include "ItemFacts.h"
#include "ShellTypes.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QString attributeDescription(const QByteArray& path, const std::optional<TFileFacts>& facts) {
    if (!facts)
        return {};
    QStringList parts;
    const std::uint32_t bits = FindAttributesOf(path, *facts);
    if (bits & FileAttribute::READONLY)
        parts << QStringLiteral("Read-only");
    if (bits & FileAttribute::HIDDEN)
        parts << QStringLiteral("Hidden");
    if (bits & FileAttribute::SYSTEM)
        parts << QStringLiteral("System");
    if (facts->isDirectory)
        parts << QStringLiteral("Folder");
    if (facts->isLink)
        parts << QStringLiteral("Link");
    return parts.isEmpty() ? QStringLiteral("Normal") : parts.join(QStringLiteral(", "));
}

// A name as long as the file system allows would make the dialog wider than the screen: it
// is elided in the middle to half the screen's width and shown whole in its tooltip.
void fitToScreen(QLabel& label, const QString& text, const QScreen& screen) {
    const int widest = screen.availableGeometry().width() / 2;
    const QString shown = label.fontMetrics().elidedText(text, Qt::ElideMiddle, widest);
    label.setText(shown);
    if (shown != text)
        label.setToolTip(text);
}

} // namespace

TPropertiesDialog::TPropertiesDialog(const QByteArray& native, QWidget* parent)
    : QDialog(parent) {
    const QString path = QFile::decodeName(native);
    const auto facts = ReadFileFacts(native);
    const QString name = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
    setWindowTitle(name + QStringLiteral(" Properties"));

    const QString size = !facts ? QString()
                         : facts->isDirectory
                             ? QString()
                             : GroupThousands(QString::number(facts->size)) +
                                   QStringLiteral(" bytes (") + SizeText(facts->size) + u')';
    const QString modified =
        facts ? ModifiedText(QDateTime::fromSecsSinceEpoch(facts->modifiedSeconds)) : QString();
    m_values = {name, facts ? TypeNameOfPath(path, facts->isDirectory) : QString(), size, modified,
                attributeDescription(native, facts)};

    auto* form = new QFormLayout;
    const QStringList labels{QStringLiteral("Name:"), QStringLiteral("Type:"),
                             QStringLiteral("Size:"), QStringLiteral("Modified:"),
                             QStringLiteral("Attributes:")};
    for (qsizetype i = 0; i < labels.size(); ++i) {
        auto* value = new QLabel;
        fitToScreen(*value, m_values[i], *screen());
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(labels[i], value);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}
