#pragma once

class TGoToWeb;

// The Help menu's web links and the About dialog's mail link. A desktop that names no web
// browser, or a browser that does not start, ends the command with an error that the error
// box shows: a click that does nothing at all leaves the user guessing.
void OpenWebLink(const TGoToWeb& launcher);
void OpenMailLink(const TGoToWeb& launcher);
