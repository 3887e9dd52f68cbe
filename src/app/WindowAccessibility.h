#pragma once

// Makes the main window read as the application's frame, as Qt's own main windows do: a plain
// widget would be an anonymous filler, and a screen reader would not say which window it is
// in. Installs the factory once per process.
void InstallWindowAccessibility();
