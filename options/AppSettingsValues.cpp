// The values kept in the settings file, and their reading from and writing to it.
#include "AppSettingsValues.h"

#include "AppCommaList.h"
#include "AppDecimal.h"
#include "AppOptionLimits.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::string_view section = "Settings";
constexpr std::string_view playKey = "PlayOptions";
constexpr std::string_view viewKey = "ViewOptions";
constexpr std::string_view systemKey = "SystemOptions";
constexpr std::string_view othersKey = "Others";

bool ParseBool(const std::string& item) {
    return item != "0";
}

// Reads the fields of the keys in turn until an integer item fails to convert.
class SettingsReader {
public:
    explicit SettingsReader(const AppIniFile& ini) : ini(ini) {}

    // The key's items when it has at least `count` of them and reading goes
    // on; otherwise nothing.
    bool Open(std::string_view key, std::size_t count) {
        if (stopped)
            return false;
        items = SplitCommaList(ini.ReadString(section, key));
        return items.size() >= count;
    }

    // Integer item `index` into `field`, unless reading has stopped.
    void Integer(std::size_t index, std::int32_t& field) {
        if (stopped)
            return;
        if (const std::optional<std::int32_t> value = ParseDecimal(items[index]))
            field = *value;
        else
            stopped = true;
    }

    void Boolean(std::size_t index, bool& field) {
        if (!stopped)
            field = ParseBool(items[index]);
    }

private:
    const AppIniFile& ini;
    std::vector<std::string> items;
    bool stopped = false;
};

void ReadKeys(const AppIniFile& ini, AppSettingsValues& working) {
    SettingsReader reader(ini);
    if (reader.Open(playKey, 7)) {
        AppPlayOptions& play = working.play;
        reader.Integer(0, play.Width);
        reader.Integer(1, play.Height);
        reader.Integer(2, play.PaddleFirst);
        reader.Integer(3, play.PaddlePlus);
        reader.Integer(4, play.PaddleMax);
        reader.Integer(5, play.Speed);
        reader.Boolean(6, play.UseSweeper);
    }
    if (reader.Open(viewKey, 2)) {
        reader.Integer(0, working.view.CharWidth);
        reader.Integer(1, working.view.CharHeight);
    }
    if (reader.Open(systemKey, 4)) {
        AppSystemOptions& system = working.system;
        reader.Boolean(0, system.PlaySound);
        reader.Boolean(1, system.StayOnTop);
        reader.Boolean(2, system.RestoreRecord);
        reader.Boolean(3, system.RestoreWindowPosition);
    }
    if (reader.Open(othersKey, 4)) {
        reader.Integer(0, working.recordScore);
        reader.Integer(1, working.recordPhase);
        reader.Integer(2, working.left);
        reader.Integer(3, working.top);
    }
}

std::string Item(std::int32_t value) {
    return std::to_string(value);
}

std::string Item(bool value) {
    return value ? "1" : "0";
}

// Items joined by commas, without blanks.
std::string JoinItems(std::initializer_list<std::string> items) {
    std::string text;
    for (const std::string& item : items) {
        if (!text.empty())
            text += ',';
        text += item;
    }
    return text;
}

} // namespace

void ReadSettingsValues(const AppIniFile& ini, AppSettingsValues& working) {
    working.system.ClearRecordNow = false;
    ReadKeys(ini, working);
    working.play = ClampPlayOptions(working.play);
    working.view = ClampViewOptions(working.view);
}

void WriteSettingsValues(AppIniFile& ini, const AppSettingsValues& values) {
    const AppPlayOptions& play = values.play;
    const AppViewOptions& view = values.view;
    const AppSystemOptions& system = values.system;
    ini.WriteString(section, playKey,
                    JoinItems({Item(play.Width), Item(play.Height), Item(play.PaddleFirst),
                               Item(play.PaddlePlus), Item(play.PaddleMax), Item(play.Speed),
                               Item(play.UseSweeper)}));
    ini.WriteString(section, viewKey, JoinItems({Item(view.CharWidth), Item(view.CharHeight)}));
    ini.WriteString(section, systemKey,
                    JoinItems({Item(system.PlaySound), Item(system.StayOnTop),
                               Item(system.RestoreRecord), Item(system.RestoreWindowPosition)}));
    ini.WriteString(section, othersKey,
                    JoinItems({Item(values.recordScore), Item(values.recordPhase),
                               Item(values.left), Item(values.top)}));
}
