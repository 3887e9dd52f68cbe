#pragma once

#include "FileFacts.h"
#include "ItemIDList.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

// The facts the file list shows about an item: the find data of the shell.
struct TFindData {
    std::uint32_t attributes = 0; // FileAttribute bits
    std::int64_t size = 0;
    QDateTime lastWrite; // invalid when unknown
};

// Description ids: a virtual place of the desktop, a plain file, a directory.
namespace SHDID {
constexpr int ROOT_REGITEM = 1;
constexpr int FS_FILE = 2;
constexpr int FS_DIRECTORY = 3;
} // namespace SHDID

std::optional<TFindData> SHGetFindData(PCItemID absolute);
// 0 when the list names nothing readable.
int SHGetDescriptionId(PCItemID absolute);
// The MIME type's description; empty when the item cannot be read.
QString SHGetTypeName(PCItemID absolute);

QString TypeNameOfPath(const QString& path, bool isDirectory);
std::uint32_t FindAttributesOf(const QByteArray& path, const TFileFacts& facts);
// "R", "H", "S" and "A" for the bits that are set, in this order.
QString AttributeLetters(std::uint32_t findAttributes);
