// Where the settings file code sends its one-line notes on failures that lose something.
#pragma once

#include <string>

// The settings file code runs without Qt; the program routes these lines to
// its logging, and without a route they go nowhere. A failure still leaves the
// game's quiet fallback (defaults, the old file): the line only leaves a trace.
class AppSettingsReport {
public:
    using Sink = void (*)(const std::string& line);

    static void SetSink(Sink sink);
    static void Say(const std::string& line);

private:
    static Sink sink_;
};
