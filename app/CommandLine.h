#pragma once
// The command line: "--help" and "--version" in Qt's conventions. The
// window itself takes no arguments; Qt's own options (-style, -platform, ...)
// go to the application object as always.

#include <optional>

// A command line that asks for help or the version is answered here, and
// the program ends without making its window; the answer needs no display,
// so it works on a terminal without one. Any other command line gives
// nothing, and the program starts its window.
std::optional<int> AnswerCommandLine(int argc, char** argv);
