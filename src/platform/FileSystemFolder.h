#pragma once

#include "ShellFolder.h"

#include <QByteArray>

// A real directory seen as a shell folder: its children are named by one name element each.
class TFileSystemFolder : public TShellFolder {
public:
    explicit TFileSystemFolder(QByteArray directory);

    const QByteArray& directory() const { return m_directory; }

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

    // The native path of a relative list of name elements below directory (empty when an
    // element is not a name).
    static QByteArray NativePathBelow(const QByteArray& directory, PCItemID relative);
    // Attribute bits of one item of a directory.
    static std::optional<std::uint32_t> AttributesOfPath(const QByteArray& path,
                                                         bool parentWritable);

private:
    QByteArray m_directory;
    mutable std::optional<bool> m_writable;

    bool isWritable() const;
};
