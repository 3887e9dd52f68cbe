#pragma once

// Makes the controls the chrome draws itself readable by assistive technology: toolbars,
// toolbar buttons, menu-bar captions, separators and menu items get accessible interfaces
// with a role, a name, their states and the actions a screen reader offers. Installs the
// factory once per process; call it before any of these controls is shown.
void InstallChromeAccessibility();
