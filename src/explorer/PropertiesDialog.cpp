#include "PropertiesDialog.h"

#include "DetailTexts.h"
#include "FileFacts.h"
#include "ItemFacts.h"
#include "ShellTypes.h"

#include <QCoreApplication>
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
        parts << QCoreApplication::translate("TPropertiesDialog", "Read-only");
    if (bits & FileAttribute::HIDDEN)
        parts << QCoreApplication::translate("TPropertiesDialog", "Hidden");
    if (bits & FileAttribute::SYSTEM)
        //: A file the system needs, which the user should leave alone.
        parts << QCoreApplication::translate("TPropertiesDialog", "System");
    if (facts->isDirectory)
        parts << QCoreApplication::translate("TPropertiesDialog", "Folder");
    if (facts->isLink)
        //: A symbolic link.
        parts << QCoreApplication::translate("TPropertiesDialog", "Link");
    //: The attributes of a file that has none of the marks read-only, hidden, system, folder
    //: or link.
    return parts.isEmpty() ? QCoreApplication::translate("TPropertiesDialog", "Normal")
                           : parts.join(QStringLiteral(", "));
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
    //: The title of the properties dialog; %1 is the file's name.
    setWindowTitle(tr("%1 Properties").arg(name));

    //: %1 is the size in bytes with "," between groups of three digits, %2 the size in
    //: kilobytes as the file list shows it ("1 KB").
    const QString size =
        !facts || facts->isDirectory
            ? QString()
            : tr("%1 bytes (%2)")
                  .arg(GroupThousands(QString::number(facts->size)), SizeText(facts->size));
    const QString modified =
        facts ? ModifiedText(QDateTime::fromSecsSinceEpoch(facts->modifiedSeconds)) : QString();
    m_values = {name, facts ? TypeNameOfPath(path, facts->isDirectory) : QString(), size, modified,
                attributeDescription(native, facts)};

    auto* form = new QFormLayout;
    const QStringList labels{tr("Name:"), tr("Type:"), tr("Size:"),
                             //: The time the file was last written.
                             tr("Modified:"), tr("Attributes:")};
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
