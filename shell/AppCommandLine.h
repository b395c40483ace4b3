// The options answered without starting the game: --help, --version and --verify.
#pragma once

#include <optional>

// For --help or --version, prints the usage text or "zingaroo <version>" to standard output;
// for --verify FILE…, checks each replay file and prints one line for it (see
// AppReplayCheck). Returns the exit code to end with: 0; 1 when a file does not verify or
// the text could not be written; 2 for --verify without a file and for an unknown option
// (any other argument starting with "--"), told on standard error with a hint of --help. Any
// other argument (a replay FILE to open) gives no answer, so the game starts. Needs no display and
// no application object.
std::optional<int> AnswerCommandLine(int argc, char** argv);

// Starts a copy of its own beside a running one, which would otherwise be handed the file and
// raised.
inline constexpr char newWindowOption[] = "--new-window";
