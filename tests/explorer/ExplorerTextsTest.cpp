// The texts the explorer shows go through Qt's translation system, each under the context of
// its class or unit.
#include "DetailTexts.h"
#include "ExplorerViewsSupport.h"
#include "IDElements.h"
#include "ItemDetails.h"
#include "ListColumns.h"
#include "MarkingTranslator.h"
#include "PropertiesDialog.h"
#include "QtPrinters.h"
#include "ShellItemCommands.h"
#include "ShellNamespace.h"
#include "SystemTreeView.h"
#include "TempFolder.h"

#include <QAction>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

QStringList menuTexts(int itemCount) {
    const auto menu = BuildItemContextMenu(SFGAO::HASPROPSHEET, itemCount);
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

// Every caption of every column set, and every message of the shell's message table.
QStringList listedTexts() {
    QStringList texts;
    for (TColumnType type : {TColumnType::ctFileSystem, TColumnType::ctMachine,
                             TColumnType::ctControlPanel, TColumnType::ctPrinters,
                             TColumnType::ctDUNet, TColumnType::ctNetwork, TColumnType::ctUnknown})
        for (const TListColumn& column : ColumnSet(type, {}))
            texts << column.Caption;
    for (int id = ShellMessages::CouldNotGetRootFolder; id <= ShellMessages::ErrorParsingMask;
         id += 5)
        texts << LoadShellMessage(id);
    return texts;
}

QStringList propertiesTexts(const QString& path) {
    const TPropertiesDialog dialog(QFile::encodeName(path), nullptr);
    QStringList texts{dialog.windowTitle()};
    const auto* form = dialog.findChild<QFormLayout*>();
    for (int row = 0; row < form->rowCount(); ++row)
        texts << static_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget())->text();
    return texts + dialog.Values().mid(2, 1) + dialog.Values().mid(4);
}

QString placeType() {
    TFolderItemData data(TFolderDataOwner::List);
    data.ParentFolder = SHGetDesktopFolder();
    data.RelativeID = IDElements::makePlace(TPlaceKind::FileSystem, "/");
    data.AbsoluteID = IDElements::makePlace(TPlaceKind::FileSystem, "/");
    return GatherItemDetails(data, QStringLiteral("File System")).Texts.value(1);
}

QString vanishedFolderError(const TempFolder& temp) {
    QDir(temp.path()).mkpath(QStringLiteral("gone"));
    QStringList errors;
    {
        TestErrorReporter reporter(
            [&errors](const std::exception& error) { errors << QString::fromUtf8(error.what()); });
        QWidget form;
        auto* tree = new TSystemTreeView(&form);
        tree->setRootFolder(TRootFolder::rfCustom);
        tree->setCustomDir(temp.path());
        tree->setErrorReporter(&reporter);
        QDir(temp.path(QStringLiteral("gone"))).removeRecursively();
        childNamed(tree->RootNode(), QStringLiteral("gone"))->setExpanded(true);
    }
    ExpectViewsLetGo();
    return errors.value(0);
}

} // namespace

TEST(ExplorerTexts, GoThroughTheTranslator) {
    const MarkingTranslator translator;
    TempFolder temp;
    temp.makeFile(QStringLiteral("a.scn"), 3);
    const QStringList shown = menuTexts(1) + menuTexts(2).mid(2, 1) +
                              propertiesTexts(temp.path(QStringLiteral("a.scn"))) +
                              QStringList{SizeText(2048), placeType(), vanishedFolderError(temp)};
    const QStringList expected{
        "ShellItemCommands|&Open",
        "ShellItemCommands|Open Containing &Folder",
        "ShellItemCommands|&Copy Path",
        "ShellItemCommands|P&roperties",
        "ShellItemCommands|&Copy Paths",
        "TPropertiesDialog|a.scn Properties",
        "TPropertiesDialog|Name:",
        "TPropertiesDialog|Type:",
        "TPropertiesDialog|Size:",
        "TPropertiesDialog|Modified:",
        "TPropertiesDialog|Attributes:",
        "TPropertiesDialog|3 bytes (DetailTexts|1 KB)",
        "TPropertiesDialog|Normal",
        "DetailTexts|3 KB",
        "ItemDetails|System Folder",
        "TSystemTreeView|Cannot open folder " + temp.path(QStringLiteral("gone")),
    };
    EXPECT_EQ(shown, expected);
    const QStringList listed = listedTexts();
    EXPECT_EQ(listed.size(), 30);
    for (const QString& text : listed)
        EXPECT_TRUE(text.startsWith(QStringLiteral("ListColumns|")) ||
                    text.startsWith(QStringLiteral("ShellControls|")))
            << text.toStdString();
}
