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

template <class Table> constexpr std::size_t StoredCount() {
    std::size_t count = 0;
    for (const auto& field : Table::fields)
        count += field.stored ? 1 : 0;
    return count;
}

// Reads the keys in turn until an integer item fails to convert.
class SettingsReader {
public:
    explicit SettingsReader(const AppIniFile& ini) : ini(ini) {}

    // The stored fields of the table's key into `record`, when the key has an
    // item for each of them and reading goes on.
    template <class Table, class Record> void Read(Record& record) {
        if (stopped)
            return;
        const std::vector<std::string> items = SplitCommaList(ini.ReadString(section, Table::key));
        if (items.size() < StoredCount<Table>())
            return;
        std::size_t index = 0;
        for (const auto& field : Table::fields) {
            if (!field.stored)
                continue;
            const std::string& item = items[index++];
            if (field.flag) {
                record.*field.flag = item != "0";
            } else if (const std::optional<std::int32_t> value = ParseDecimal(item)) {
                record.*field.integer = *value;
            } else {
                stopped = true;
                return;
            }
        }
    }

private:
    const AppIniFile& ini;
    bool stopped = false;
};

// The table's stored fields of `record` as a comma list without blanks:
// integers in signed decimal, booleans as "1" and "0".
template <class Table, class Record> void Write(AppIniFile& ini, const Record& record) {
    std::string text;
    for (const auto& field : Table::fields) {
        if (!field.stored)
            continue;
        if (!text.empty())
            text += ',';
        text +=
            field.flag ? (record.*field.flag ? "1" : "0") : std::to_string(record.*field.integer);
    }
    ini.WriteString(section, Table::key, text);
}

} // namespace

void ReadSettingsValues(const AppIniFile& ini, AppSettingsValues& working) {
    working.system.ClearRecordNow = false;
    SettingsReader reader(ini);
    reader.Read<AppOptionTable<AppPlayOptions>>(working.play);
    reader.Read<AppOptionTable<AppViewOptions>>(working.view);
    reader.Read<AppOptionTable<AppSystemOptions>>(working.system);
    reader.Read<OthersTable>(working);
    working.play = ClampOptions(working.play);
    working.view = ClampOptions(working.view);
}

void WriteSettingsValues(AppIniFile& ini, const AppSettingsValues& values) {
    Write<AppOptionTable<AppPlayOptions>>(ini, values.play);
    Write<AppOptionTable<AppViewOptions>>(ini, values.view);
    Write<AppOptionTable<AppSystemOptions>>(ini, values.system);
    Write<OthersTable>(ini, values);
}
