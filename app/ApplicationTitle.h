#pragma once
// The application title (the error box's caption) from the program file's
// name, by the same rule on every platform; only lowering the letters is
// the platform's, by its own case rules.

#include <string>

// Lowers every letter of a UTF-8 text.
using TLowerCase = std::string (*)(const std::string& utf8);

// The file's name without folder (either slash) and without everything from
// the first full stop on, its first character as it is and every later
// letter lowered ("kmity" gives "kmity", "myProg.v2" "myprog",
// "C:\apps\KMITY.EXE" "Kmity").
std::string ApplicationTitleOf(const std::string& programPath, TLowerCase lowerCase);
