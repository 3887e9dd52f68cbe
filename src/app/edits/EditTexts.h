#pragma once

#include <QString>

// What each undo step is called: the caption of the menu item that makes it, without its
// accelerator and dots, so that QUndoStack::createUndoAction shows "&Undo Remove".
namespace EditTexts {

inline const QString Add = QStringLiteral("Add");
inline const QString Remove = QStringLiteral("Remove");
inline const QString Replace = QStringLiteral("Replace");
inline const QString InsertAfter = QStringLiteral("Insert After");
inline const QString SetToVersion = QStringLiteral("Set to Version");
inline const QString Options = QStringLiteral("Options");
inline const QString MoveUp = QStringLiteral("Move Up");
inline const QString MoveDown = QStringLiteral("Move Down");
inline const QString Rename = QStringLiteral("Rename");

} // namespace EditTexts
