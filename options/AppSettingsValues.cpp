// The values kept in the settings file, and their reading from and writing to it.
#include "AppSettingsValues.h"

#include "AppCommaList.h"
#include "AppDecimal.h"
#include "AppOptionFields.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::string_view section = "Settings";
constexpr std::string_view keysKey = "Keys";
constexpr std::string_view pointScoredKey = "PointScored";

// The fourth key, "Others": the record and the window position.
struct OthersTable {
    using R = AppSettingsValues;
    static constexpr std::string_view key = "Others";
    static constexpr std::array<AppOptionField<R>, 4> fields = {{
        {.integer = &R::recordScore},
        {.integer = &R::recordPhase},
        {.integer = &R::left},
        {.integer = &R::top},
    }};
};

// The window's size and state, kept after every other key.
struct WindowTable {
    using R = AppSettingsValues;
    static constexpr std::array<AppOptionField<R>, 3> fields = {{
        {.integer = &R::width, .low = 0, .high = windowSizeMost, .ownKey = "WindowWidth"},
        {.integer = &R::height, .low = 0, .high = windowSizeMost, .ownKey = "WindowHeight"},
        {.integer = &R::maximized, .low = 0, .high = 1, .ownKey = "WindowMaximized"},
    }};
};

// Whether a field is an item of its record's comma list.
template <class Field> constexpr bool InList(const Field& field) {
    return field.stored && field.ownKey.empty();
}

template <class Table> constexpr std::size_t ListCount() {
    std::size_t count = 0;
    for (const auto& field : Table::fields)
        count += InList(field) ? 1 : 0;
    return count;
}

// Reads the keys in turn until an integer item fails to convert.
class SettingsReader {
public:
    explicit SettingsReader(const AppIniFile& ini) : ini_(ini) {}

    // The listed fields of the table's key into `record`, when the key has an
    // item for each of them and reading goes on.
    template <class Table, class Record> void Read(Record& record) {
        if (stopped_)
            return;
        const std::vector<std::string> items = SplitCommaList(ini_.ReadString(section, Table::key));
        if (items.size() < ListCount<Table>())
            return;
        std::size_t index = 0;
        for (const auto& field : Table::fields)
            if (InList(field) && !Convert(field, items[index++], record))
                return;
    }

    // The table's fields with keys of their own, each read like a key of one item.
    template <class Table, class Record> void ReadOwnKeys(Record& record) {
        for (const auto& field : Table::fields) {
            if (stopped_ || field.ownKey.empty())
                continue;
            // A text is one value, commas and all.
            if (field.text) {
                std::string value = ini_.ReadString(section, field.ownKey);
                if (field.accepts(value))
                    record.*field.text = std::move(value);
                continue;
            }
            const std::vector<std::string> items =
                SplitCommaList(ini_.ReadString(section, field.ownKey));
            if (items.empty())
                continue;
            if (field.flag) {
                Convert(field, items.front(), record);
            } else if (const std::optional<std::int32_t> value = ParseDecimal(items.front());
                       value && *value >= field.low && *value <= field.high) {
                record.*field.integer = *value;
            }
        }
    }

private:
    // False, and reading stops, when an integer item is no integer.
    template <class Field, class Record>
    bool Convert(const Field& field, const std::string& item, Record& record) {
        if (field.flag) {
            record.*field.flag = item != "0";
        } else if (const std::optional<std::int32_t> value = ParseDecimal(item)) {
            record.*field.integer = *value;
        } else {
            stopped_ = true;
        }
        return !stopped_;
    }

    const AppIniFile& ini_;
    bool stopped_ = false;
};

// The table's listed fields of `record` as a comma list without blanks.
template <class Table, class Record> void Write(AppIniFile& ini, const Record& record) {
    std::string text;
    for (const auto& field : Table::fields) {
        if (!InList(field))
            continue;
        if (!text.empty())
            text += ',';
        text += OptionItem(field, record);
    }
    ini.WriteString(section, Table::key, text);
}

template <class Table, class Record> void WriteOwnKeys(AppIniFile& ini, const Record& record) {
    for (const auto& field : Table::fields)
        if (!field.ownKey.empty())
            ini.WriteString(section, field.ownKey, OptionItem(field, record));
}

} // namespace

void ReadSettingsValues(const AppIniFile& ini, AppSettingsValues& working) {
    working.system.ClearRecordNow = false;
    SettingsReader reader(ini);
    reader.Read<AppOptionTable<AppPlayOptions>>(working.play);
    reader.Read<AppOptionTable<AppViewOptions>>(working.view);
    reader.Read<AppOptionTable<AppSystemOptions>>(working.system);
    reader.Read<OthersTable>(working);
    reader.ReadOwnKeys<AppOptionTable<AppSystemOptions>>(working.system);
    reader.ReadOwnKeys<AppOptionTable<AppDisplayOptions>>(working.display);
    working.keys = AppKeyOptions::FromItem(ini.ReadString(section, keysKey));
    const std::string scored = ini.ReadString(section, pointScoredKey);
    working.pointScored = scored == "1" || (scored != "0" && working.recordScore > 0);
    reader.ReadOwnKeys<AppOptionTable<AppBoardOptions>>(working.board);
    reader.ReadOwnKeys<WindowTable>(working);
    working.play = ClampOptions(working.play);
    working.view = ClampOptions(working.view);
}

void WriteSettingsValues(AppIniFile& ini, const AppSettingsValues& values) {
    Write<AppOptionTable<AppPlayOptions>>(ini, values.play);
    Write<AppOptionTable<AppViewOptions>>(ini, values.view);
    Write<AppOptionTable<AppSystemOptions>>(ini, values.system);
    Write<OthersTable>(ini, values);
    WriteOwnKeys<AppOptionTable<AppSystemOptions>>(ini, values.system);
    WriteOwnKeys<AppOptionTable<AppDisplayOptions>>(ini, values.display);
    ini.WriteString(section, keysKey, values.keys.Item());
    ini.WriteString(section, pointScoredKey, values.pointScored ? "1" : "0");
    WriteOwnKeys<AppOptionTable<AppBoardOptions>>(ini, values.board);
    WriteOwnKeys<WindowTable>(ini, values);
}
