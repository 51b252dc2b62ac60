#pragma once

#include <cstdio>
#include <optional>
#include <string>

// The desktop program's own options, answered before any window system is contacted so that they work
// with no display (the manual page is made from them at build time).

// The text to print instead of opening the window: the help for --help or -h, the version line
// ("dravonel 2.0\n") for --version, whichever of argv[1..argc-1] comes first; nullopt to start the program.
// Arguments after "--" are not options; every other argument is left to the toolkit (-platform NAME ...).
std::optional<std::string> InfoOptionText(int argc, const char* const* argv);

// Writes text to out and gives the exit status: 0 once all of it is written and flushed, 1 after a message
// on err when it could not be (a full disk or a closed pipe must not pass as success).
int PrintInfoText(const std::string& text, std::FILE* out, std::FILE* err);
