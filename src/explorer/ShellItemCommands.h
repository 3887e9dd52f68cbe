#pragma once

#include "ShellFolder.h"

#include <QPoint>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QMenu;
class QWidget;

enum class TCommandAction { ShowMenu = 0, Properties = 1, DefaultCommand = 2, Verb = 3 };

// Shows the items' context menu at the screen point. True when the menu was shown and
// no chosen command failed; false when there is nothing to show a menu for.
bool ShowItemContextMenu(const TShellFolderRef& parentFolder,
                         const std::vector<PCItemID>& relativeIDs, std::uint32_t attributes,
                         QPoint screenPoint, QWidget* owner);

// Opens the items with the desktop's associated programs; true when every open started.
bool InvokeDefaultCommand(const TShellFolderRef& parentFolder,
                          const std::vector<PCItemID>& relativeIDs, std::uint32_t attributes,
                          QWidget* owner);

// Runs one command on the items: "open", "opencontainer", "copypath" or "properties".
bool InvokeVerb(const TShellFolderRef& parentFolder, const std::vector<PCItemID>& relativeIDs,
                std::uint32_t attributes, const QString& verb, QWidget* owner);

// The menu ShowItemContextMenu shows; each action's data is its verb. Open is the default
// entry; Properties is enabled when the item has a property sheet.
std::unique_ptr<QMenu> BuildItemContextMenu(std::uint32_t attributes, int itemCount);
