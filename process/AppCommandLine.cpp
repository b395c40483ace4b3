// The two options answered without starting the game: --help and --version.
#include "AppCommandLine.h"

#include "AppApplication.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* usageText =
    "Usage: zingaroo [--help | --version]\n"
    "\n"
    "A single-player action puzzle. Point at a cell of the wrapping field with\n"
    "the mouse and press a key to drop a paddle there or shove an obstacle.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Other arguments are ignored. See zingaroo(6) for how to play.\n";

// A full disk or a closed pipe makes the answer a failure rather than a silent success.
int Finish() {
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usageText, stdout);
            return Finish();
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("zingaroo %s\n", AppApplication::Version());
            return Finish();
        }
    }
    return std::nullopt;
}
