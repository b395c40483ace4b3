// The options answered without starting the game: --help, --version and --verify.
#include "AppCommandLine.h"

#include "AppApplication.h"
#include "AppReplayCheck.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* usageText =
    "Usage: zingaroo [--new-window] [FILE]\n"
    "       zingaroo --verify FILE...\n"
    "       zingaroo --help | --version\n"
    "\n"
    "A single-player action puzzle. Point at a cell of the wrapping field with\n"
    "the mouse and press a key to drop a paddle there or shove an obstacle.\n"
    "\n"
    "  FILE             open a replay file (.zingaroo) and watch it; while a copy\n"
    "                   of the game runs, it plays there and no second window opens\n"
    "  --new-window     start a copy of its own even while one runs\n"
    "  --verify FILE... play each replay through the rules without a window and\n"
    "                   print one line per file: its game number, options, score,\n"
    "                   phase, steps and \"ok\" or why it fails; the exit status is 0\n"
    "                   only when every file verifies\n"
    "  --help           show this text and exit\n"
    "  --version        show the version and exit\n"
    "\n"
    "See zingaroo(6) for how to play.\n";

constexpr const char* helpHint = "Try 'zingaroo --help' for more information.\n";

// A full disk or a closed pipe makes the answer a failure rather than a silent success.
int Finish(int code) {
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? code : 1;
}

// Every file is checked, also after one that fails, so that one run reports them all.
int Verify(int count, char** files) {
    if (count == 0) {
        std::fputs("zingaroo: --verify needs at least one FILE\n", stderr);
        return 2;
    }
    bool allVerify = true;
    for (int i = 0; i < count; ++i) {
        const AppReplayVerdict verdict = AppReplayCheck::CheckFile(files[i]);
        std::printf("%s\n", verdict.line.c_str());
        allVerify = allVerify && verdict.ok;
    }
    return Finish(allVerify ? 0 : 1);
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usageText, stdout);
            return Finish(0);
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("zingaroo %s\n", AppApplication::Version());
            return Finish(0);
        }
        // Every argument after it names a file, even one that looks like an option.
        if (std::strcmp(argv[i], "--verify") == 0)
            return Verify(argc - i - 1, argv + i + 1);
        // A mistyped option is told as such rather than opened as a file. Options with one
        // dash are Qt's own (-platform, -style).
        if (std::strncmp(argv[i], "--", 2) == 0 && std::strcmp(argv[i], newWindowOption) != 0) {
            std::fprintf(stderr, "zingaroo: unknown option %s\n%s", argv[i], helpHint);
            return 2;
        }
    }
    return std::nullopt;
}
