// Prints the main window's command table as JSON, so that the test of the accessibility tree
// expects exactly the menu items and toolbar controls the program builds from it.
#include "MainCommands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>

namespace {

const char* menuName(TMenuPlace place) {
    switch (place) {
    case TMenuPlace::File:
        return "File";
    case TMenuPlace::Edit:
        return "Edit";
    case TMenuPlace::Scenario:
        return "Scenario";
    case TMenuPlace::VersionSubmenu:
        return "VersionSubmenu";
    case TMenuPlace::View:
        return "View";
    case TMenuPlace::Help:
        return "Help";
    case TMenuPlace::VersionPopup:
        return "VersionPopup";
    case TMenuPlace::None:
        break;
    }
    return "";
}

const char* checkName(TCheckStyle check) {
    switch (check) {
    case TCheckStyle::Check:
        return "check";
    case TCheckStyle::Radio:
        return "radio";
    case TCheckStyle::None:
        break;
    }
    return "";
}

const char* controlName(TToolbarControl control) {
    switch (control) {
    case TToolbarControl::PushButton:
        return "push";
    case TToolbarControl::VersionCombo:
        return "version";
    case TToolbarControl::GlyphButton:
        break;
    }
    return "glyph";
}

const char* groupName(TCommandGroup group) {
    switch (group) {
    case TCommandGroup::Add:
        return "Add";
    case TCommandGroup::Entry:
        return "Entry";
    case TCommandGroup::MoveUp:
        return "MoveUp";
    case TCommandGroup::MoveDown:
        return "MoveDown";
    case TCommandGroup::Undo:
        return "Undo";
    case TCommandGroup::Redo:
        return "Redo";
    case TCommandGroup::Scenarios:
        return "Scenarios";
    case TCommandGroup::Always:
        break;
    }
    return "Always";
}

bool onToolbar(TCommandId id) {
    const auto order = MainToolbarOrder();
    return std::find(order.begin(), order.end(), std::optional<TCommandId>(id)) != order.end();
}

} // namespace

int main() {
    QJsonArray rows;
    for (const TCommandRow& row : MainCommands())
        rows.append(QJsonObject{
            {"menu", menuName(row.Menu)},
            {"caption", row.Caption},
            {"submenu", menuName(row.Submenu)},
            {"check", checkName(row.Check)},
            {"checked", row.Checked},
            {"hint", onToolbar(row.Id) ? row.Hint : ""},
            {"control", controlName(row.Control)},
            {"group", groupName(row.Group)},
            {"keys", row.Keys},
        });
    std::fputs(QJsonDocument(rows).toJson().constData(), stdout);
    return 0;
}
