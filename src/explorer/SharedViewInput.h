#pragma once

#include "ShellControls.h"

#include <QPoint>
#include <functional>

class QAbstractScrollArea;
class QKeyEvent;
class QMenu;
class QWidget;

// Mouse and key handling the folder tree and the file list share.

// The keys both views take for their folder, as the desktop's file managers do: Backspace
// goes to the parent folder, F5 reads the shown folder again. Only the plain keys count.
enum class TFolderKey { None, Parent, Refresh };
TFolderKey FolderKeyOf(const QKeyEvent& event);

// Autoscroll: scrolls the area one line (or column) towards the control's edge that the
// mouse is within one line of. The control gives the edges and the line height; the area,
// the control itself or one of its views, is what scrolls.
void AutoscrollTowardsEdge(QAbstractScrollArea& area, const QWidget& control, QPoint viewportPoint);

// The right-button release by the popup-menu method: the shell menu (showShellMenu shows it
// and answers whether one was shown) with pmmContext and pmmContextUser, then the control's
// own popup menu with pmmUser and pmmContextUser unless a shell menu was shown.
void ShowRightButtonMenus(TPopupMenuMethod method, QMenu* popupMenu, QPoint screenPoint,
                          const std::function<bool()>& showShellMenu);
