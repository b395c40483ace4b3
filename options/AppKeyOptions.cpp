// The keys of sets 1 and 2, each kept as its physical code so it stays in its place on any layout.
#include "AppKeyOptions.h"

#include "AppCommaList.h"
#include "AppDecimal.h"

#include <algorithm>
#include <optional>
#include <vector>

int AppKeyOptions::OtherSlotOf(std::uint32_t code, int slot) const {
    for (int other = 0; other < count; ++other)
        if (other != slot && Codes[other] == code)
            return other;
    return -1;
}

bool AppKeyOptions::IsReserved(std::uint32_t code, std::string_view name) {
    return std::any_of(reservedKeys.begin(), reservedKeys.end(), [&](const Reserved& key) {
        return key.code == code || (!name.empty() && key.name == name);
    });
}

std::string_view AppKeyOptions::UsLetter(std::uint32_t code) {
    static constexpr std::string_view letters = "WRSFUOJL";
    for (int slot = 0; slot < count; ++slot)
        if (defaultCodes[slot] == code)
            return letters.substr(slot, 1);
    return {};
}

std::string AppKeyOptions::Item() const {
    std::string item;
    for (const std::uint32_t code : Codes) {
        if (!item.empty())
            item += ',';
        item += std::to_string(code);
    }
    return item;
}

AppKeyOptions AppKeyOptions::FromItem(std::string_view item) {
    const std::vector<std::string> items = SplitCommaList(item);
    if (items.size() != count)
        return {};
    AppKeyOptions keys;
    for (int slot = 0; slot < count; ++slot) {
        const std::optional<std::int32_t> code = ParseDecimal(items[slot]);
        if (!code || *code < std::int32_t{lowestCode} || *code > std::int32_t{highestCode} ||
            IsReserved(static_cast<std::uint32_t>(*code)))
            return {};
        keys.Codes[slot] = static_cast<std::uint32_t>(*code);
    }
    for (int slot = 0; slot < count; ++slot)
        if (keys.OtherSlotOf(keys.Codes[slot], slot) >= 0)
            return {};
    return keys;
}
