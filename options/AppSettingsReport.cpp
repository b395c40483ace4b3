// Where the settings file code sends its one-line notes on failures that lose something.
#include "AppSettingsReport.h"

AppSettingsReport::Sink AppSettingsReport::sink_ = nullptr;

void AppSettingsReport::SetSink(Sink sink) {
    sink_ = sink;
}

void AppSettingsReport::Say(const std::string& line) {
    if (sink_ != nullptr)
        sink_(line);
}
