#include "ListColumns.h"

#include <QCoreApplication>

namespace {

// A column whose caption, marked for translation where the sets are listed, is translated as
// the set is built.
TListColumn column(const char* caption, int width, Qt::Alignment alignment = Qt::AlignLeft) {
    return {QCoreApplication::translate("ListColumns", caption), width, alignment};
}

} // namespace

std::vector<TListColumn> ColumnSet(TColumnType type, const std::array<int, 5>& w) {
    const Qt::Alignment right = Qt::AlignRight;
    switch (type) {
    case TColumnType::ctFileSystem:
        return {column(QT_TRANSLATE_NOOP("ListColumns", "Name"), w[0]),
                column(QT_TRANSLATE_NOOP("ListColumns", "Size"), w[1], right),
                column(QT_TRANSLATE_NOOP("ListColumns", "Type"), w[2]),
                //: The time a file was last written.
                column(QT_TRANSLATE_NOOP("ListColumns", "Modified"), w[3]),
                //: Letters for the read-only, hidden, system and archive marks of a file.
                column(QT_TRANSLATE_NOOP("ListColumns", "Attributes"), w[4], right)};
    case TColumnType::ctMachine:
        return {column(QT_TRANSLATE_NOOP("ListColumns", "Name"), w[0]),
                column(QT_TRANSLATE_NOOP("ListColumns", "Type"), w[1]),
                //: The capacity of a drive.
                column(QT_TRANSLATE_NOOP("ListColumns", "Total Size"), w[2], right),
                column(QT_TRANSLATE_NOOP("ListColumns", "Free Space"), w[3], right)};
    case TColumnType::ctControlPanel:
        return {column(QT_TRANSLATE_NOOP("ListColumns", "Name"), w[0]),
                column(QT_TRANSLATE_NOOP("ListColumns", "Description"), w[1])};
    case TColumnType::ctPrinters:
        return {column(QT_TRANSLATE_NOOP("ListColumns", "Name"), w[0]),
                //: The number of documents waiting for a printer.
                column(QT_TRANSLATE_NOOP("ListColumns", "Documents"), w[1], Qt::AlignHCenter),
                //: Whether a printer is ready, busy or out of paper.
                column(QT_TRANSLATE_NOOP("ListColumns", "Status"), w[2]),
                column(QT_TRANSLATE_NOOP("ListColumns", "Comment"), w[3])};
    case TColumnType::ctDUNet:
        //: A dial-up network connection's name.
        return {column(QT_TRANSLATE_NOOP("ListColumns", "Entry name"), w[0]),
                //: The telephone number a dial-up connection calls.
                column(QT_TRANSLATE_NOOP("ListColumns", "Phone #"), w[1], right),
                //: The modem a dial-up connection uses.
                column(QT_TRANSLATE_NOOP("ListColumns", "Device name"), w[2])};
    case TColumnType::ctNetwork:
        return {column(QT_TRANSLATE_NOOP("ListColumns", "Name"), w[0]),
                column(QT_TRANSLATE_NOOP("ListColumns", "Comment"), w[1])};
    case TColumnType::ctUser:
        return {};
    case TColumnType::ctUnknown:
        return {column(QT_TRANSLATE_NOOP("ListColumns", "Name"), w[0])};
    }
    return {};
}
