#pragma once

#include "ShellFolder.h"

#include <QCoreApplication>

// The virtual root of the namespace: it holds the desktop's places (DesktopPlaces), each
// named by one place element; everything deeper is the file system below that place.
class TDesktopFolder : public TShellFolder {
    Q_DECLARE_TR_FUNCTIONS(TDesktopFolder)

public:
    std::unique_ptr<TEnumIDList> EnumObjects(std::uint32_t flags) const override;
    std::shared_ptr<TShellFolder> BindToObject(PCItemID relative) const override;
    int CompareIDs(int column, PCItemID a, PCItemID b) const override;
    std::optional<std::uint32_t> GetAttributesOf(PCItemID relative,
                                                 std::uint32_t mask) const override;
    std::optional<TStrRet> GetDisplayNameOf(PCItemID relative, std::uint32_t flags) const override;
    ItemIDList ParseDisplayName(const QString& text) const override;
    ItemIDList ParseNativePath(const QByteArray& path) const override;
    ItemIDList SetNameOf(PCItemID relative, const QString& newName,
                         std::uint32_t flags) const override;
    QString PathOf(PCItemID relative) const override;
    QByteArray NativePathOf(PCItemID relative) const override;
};
