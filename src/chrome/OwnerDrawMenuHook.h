#pragma once

#include <QPointer>

class TOwnerDrawPopupMenu;

// The process-wide routing state of the owner-drawn menus: how many exist, the menu being
// shown (which measures and draws every item, submenus included), the menu whose tracking has
// just ended, and whether a chosen command is still to be delivered to it.
namespace OwnerDrawMenuHook {

void menuCreated();
void menuDestroyed(TOwnerDrawPopupMenu* menu);
int menuCount();

TOwnerDrawPopupMenu* currentMenu();
TOwnerDrawPopupMenu* lastMenu();
bool commandPending();

// A menu starts being tracked.
void trackingStarted(TOwnerDrawPopupMenu* menu);

// The tracking of the current menu has ended: it becomes the last menu and a command is pending.
void trackingEnded();

// Delivers a chosen command later, from the event loop, after the tracking call has returned.
void postCommand(int command);

// Dispatches a command to the last menu when it holds the item; returns whether it ran.
bool dispatchCommand(int command);

} // namespace OwnerDrawMenuHook
