// The two options answered without starting the game: --help and --version.
#pragma once

#include <optional>

// For --help or --version, prints the usage text or "zingaroo <version>" to standard output
// and returns the exit code to end with: 0, or 1 when the text could not be written. Every
// other argument is ignored and gives no answer, so the game starts. Needs no display and no
// application object.
std::optional<int> AnswerCommandLine(int argc, char** argv);
