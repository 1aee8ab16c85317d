#pragma once
// The program's start-up, the same on every platform: the number format
// from the user's locale, the window, and the message loop until the
// window is closed. A platform's main (platform/<name>/Main.cpp) answers
// the command line, makes its application and toolkit, and calls this.

class IToolkit;

int RunProgram(IToolkit& toolkit);
