#pragma once

class TDialogService;

// The program from start to end: the application with its title, the screen-size rule (a
// screen too small ends the program with a message and exit code 0, before any window), the
// main window with the command line, the message loop. Returns the exit code.
int RunProgram(int argc, char** argv, TDialogService& dialogs);
