#pragma once

#include <QAccessible>

class QObject;

// Makes the controls the chrome draws itself readable by assistive technology: toolbars,
// toolbar buttons, menu-bar captions, separators, popup menus and their items, docks, the grips
// and close buttons the tool windows draw, floating tool windows and the status bar get
// accessible interfaces with a role, a name, their states and the actions a screen reader
// offers. Installs the factory once per process; call it before any of these controls is shown.
void InstallChromeAccessibility();

// Tells assistive technology that the keyboard is on `object` now: a control, or an item of a
// menu, whose interface the event names. The listener of the chrome context `object` reaches
// hears it too, as it hears every announcement below.
void AnnounceFocus(QObject* object);

// Tells assistive technology that the name of `object` changed: for a control whose name is the
// text it shows, such as the status bar, when a text it shows changed.
void AnnounceNameChange(QObject* object);
