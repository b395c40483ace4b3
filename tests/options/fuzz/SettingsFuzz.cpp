// Fuzz target for reading settings files: INI lookup, comma lists, the four keys, and edits.
#include "AppCommaList.h"
#include "AppIniFile.h"
#include "AppOptionFields.h"
#include "AppSettingsValues.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

template <class Record> bool InRange(const Record& record) {
    for (const AppOptionField<Record>& field : AppOptionTable<Record>::fields)
        if (field.integer &&
            (record.*field.integer < field.low || record.*field.integer > field.high))
            return false;
    return true;
}

bool IsIniBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string Trimmed(std::string text) {
    while (!text.empty() && IsIniBlank(text.back()))
        text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && IsIniBlank(text[start]))
        ++start;
    return text.substr(start);
}

// What reading gives back for a value that was written.
std::string ReadBack(const std::string& written) {
    std::string value = Trimmed(written);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

bool SameNameIgnoringCase(std::string a, std::string b) {
    a = Trimmed(a);
    b = Trimmed(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

void CheckSettingsRoundTrip(const AppIniFile& ini) {
    AppSettingsValues read;
    ReadSettingsValues(ini, read);
    Check(InRange(read.play) && InRange(read.view));
    Check(!read.system.ClearRecordNow);

    // Whatever the file held, writing the values and reading them again
    // gives the same values.
    AppIniFile written = ini;
    WriteSettingsValues(written, read);
    AppSettingsValues again;
    again.left = again.top = 12345;
    ReadSettingsValues(written, again);
    Check(again.play == read.play && again.view == read.view);
    Check(again.system.PlaySound == read.system.PlaySound);
    Check(again.system.StayOnTop == read.system.StayOnTop);
    Check(again.system.RestoreRecord == read.system.RestoreRecord);
    Check(again.system.RestoreWindowPosition == read.system.RestoreWindowPosition);
    Check(again.system.PauseWhenInactive == read.system.PauseWhenInactive);
    Check(again.system.KeyboardCursor == read.system.KeyboardCursor);
    Check(again.recordScore == read.recordScore && again.recordPhase == read.recordPhase);
    Check(again.left == read.left && again.top == read.top);
}

void CheckWriteReadsBack(AppIniFile ini, const std::string& section, const std::string& key,
                         const std::string& value) {
    const std::string before = ini.Text();
    const std::string otherBefore = ini.ReadString("Settings", "PlayOptions");
    if (!ini.WriteString(section, key, value)) {
        Check(ini.Text() == before);
        return;
    }
    Check(ini.ReadString(section, key) == ReadBack(value));
    if (!(SameNameIgnoringCase(section, "Settings") && SameNameIgnoringCase(key, "PlayOptions")))
        Check(ini.ReadString("Settings", "PlayOptions") == otherBefore);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string section = provider.ConsumeRandomLengthString(16);
    const std::string key = provider.ConsumeRandomLengthString(16);
    const std::string value = provider.ConsumeRandomLengthString(32);
    const std::string text = provider.ConsumeRemainingBytesAsString();

    SplitCommaList(text);
    const AppIniFile ini = AppIniFile::FromText(text);
    SplitCommaList(ini.ReadString(section, key));
    CheckSettingsRoundTrip(ini);
    CheckWriteReadsBack(ini, section, key, value);
    return 0;
}
