// Each option field described once: its item in the settings file, its valid range, its control.
#pragma once

#include "AppBoardOptions.h"
#include "AppDisplayOptions.h"
#include "AppPlayOptions.h"
#include "AppSystemOptions.h"
#include "AppViewOptions.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

// One field of a record: an integer, a boolean or a text member.
template <class Record> struct AppOptionField {
    std::int32_t Record::*integer = nullptr;
    bool Record::*flag = nullptr;
    std::string Record::*text = nullptr;
    // Whether a text may be kept; one that may not leaves the field as it was.
    bool (*accepts)(std::string_view) = nullptr;
    // The valid range of an integer: the game, the field and the window size rely on it.
    std::int32_t low = std::numeric_limits<std::int32_t>::min();
    std::int32_t high = std::numeric_limits<std::int32_t>::max();
    // The object name of the options dialog's control that shows the field: an edit or a
    // drop-down list (whose entries are low to high) for an integer, a check box for a boolean;
    // empty for a field the dialog does not show.
    std::string_view control = {};
    // Kept in the settings file. A one-shot request is not.
    bool stored = true;
    // A field added after the record's list was fixed is kept under a key of its own, so
    // the list keeps its format; empty for a field of the list. An integer under a key of its
    // own that is no integer or lies outside its range leaves the field as it was.
    std::string_view ownKey = {};
};

// One table per record: the settings file's key, whose comma list holds the
// stored fields in table order (except those with a key of their own), and the fields. Defaults are
// those the record's members are declared with.
template <class Record> struct AppOptionTable;

template <> struct AppOptionTable<AppPlayOptions> {
    using R = AppPlayOptions;
    static constexpr std::string_view key = "PlayOptions";
    static constexpr std::array<AppOptionField<R>, 7> fields = {{
        {.integer = &R::Width, .low = 16, .high = 32, .control = "Page1_Edit1"},
        {.integer = &R::Height, .low = 16, .high = 32, .control = "Page1_Edit2"},
        {.integer = &R::PaddleFirst, .low = 1, .high = 1024, .control = "Page1_Edit3"},
        {.integer = &R::PaddlePlus, .low = 0, .high = 1024, .control = "Page1_Edit4"},
        {.integer = &R::PaddleMax, .low = 1, .high = 1024, .control = "Page1_Edit5"},
        {.integer = &R::Speed, .low = 10, .high = 1000, .control = "Page1_Edit6"},
        {.flag = &R::UseSweeper, .control = "Page1_CheckBox1"},
    }};
};

template <> struct AppOptionTable<AppViewOptions> {
    using R = AppViewOptions;
    static constexpr std::string_view key = "ViewOptions";
    static constexpr std::array<AppOptionField<R>, 2> fields = {{
        {.integer = &R::CharWidth, .low = 18, .high = 32, .control = "Page2_Edit1"},
        {.integer = &R::CharHeight, .low = 18, .high = 32, .control = "Page2_Edit2"},
    }};
};

template <> struct AppOptionTable<AppSystemOptions> {
    using R = AppSystemOptions;
    static constexpr std::string_view key = "SystemOptions";
    static constexpr std::array<AppOptionField<R>, 7> fields = {{
        {.flag = &R::PlaySound, .control = "Page3_CheckBox1"},
        {.flag = &R::ClearRecordNow, .control = "Page3_CheckBox2", .stored = false},
        {.flag = &R::StayOnTop, .control = "Page3_CheckBox3"},
        {.flag = &R::RestoreRecord, .control = "Page3_CheckBox4"},
        {.flag = &R::RestoreWindowPosition, .control = "Page3_CheckBox5"},
        {.flag = &R::PauseWhenInactive,
         .control = "Page3_CheckBox6",
         .ownKey = "PauseWhenInactive"},
        {.flag = &R::KeyboardCursor, .control = "Page3_CheckBox7", .ownKey = "KeyboardCursor"},
    }};
};

// Zoom, full screen, look and the score line change only how the game is shown, so they are a
// record of their own, kept under keys of their own after those of the other records.
template <> struct AppOptionTable<AppDisplayOptions> {
    using R = AppDisplayOptions;
    static constexpr std::string_view key = {};
    static constexpr std::array<AppOptionField<R>, 4> fields = {{
        {.integer = &R::Zoom,
         .low = R::zoomAutomatic,
         .high = R::zoomMost,
         .control = "Page2_ComboBox1",
         .ownKey = "Zoom"},
        {.flag = &R::FullScreen, .ownKey = "FullScreen"},
        {.integer = &R::Look,
         .low = R::lookClassic,
         .high = R::lookAutomatic,
         .control = "Page2_ComboBox2",
         .ownKey = "Look"},
        {.flag = &R::ScoreLine, .control = "Page2_CheckBox1", .ownKey = "ScoreLine"},
    }};
};

// The board's address, the name shown on it and whether the day's games are sent, kept under
// keys of their own after all the others. The Options dialog's Board page shows them itself.
template <> struct AppOptionTable<AppBoardOptions> {
    using R = AppBoardOptions;
    static constexpr std::string_view key = {};
    static constexpr std::array<AppOptionField<R>, 3> fields = {{
        {.text = &R::Address, .accepts = &R::AcceptsAddress, .ownKey = "BoardAddress"},
        {.text = &R::Name, .accepts = &R::AcceptsName, .ownKey = "BoardName"},
        {.flag = &R::Send, .ownKey = "BoardSend"},
    }};
};

// Below low gives low; then above high gives high.
std::int32_t ClampValue(std::int32_t value, std::int32_t low, std::int32_t high);

// A field's item in the settings and scores files: integers in signed
// decimal, booleans as "1" and "0", texts as they are.
template <class Record>
std::string OptionItem(const AppOptionField<Record>& field, const Record& record) {
    if (field.text)
        return record.*field.text;
    return field.flag ? (record.*field.flag ? "1" : "0") : std::to_string(record.*field.integer);
}

// Every field's item in the table's order, joined by commas without blanks: the play options
// as the scores and game files write them.
template <class Record> std::string OptionList(const Record& record) {
    std::string list;
    for (const AppOptionField<Record>& field : AppOptionTable<Record>::fields) {
        if (!list.empty())
            list += ',';
        list += OptionItem(field, record);
    }
    return list;
}

// Every integer field bounded to its range; booleans as they are.
template <class Record> Record ClampOptions(Record options) {
    for (const AppOptionField<Record>& field : AppOptionTable<Record>::fields)
        if (field.integer)
            options.*field.integer = ClampValue(options.*field.integer, field.low, field.high);
    return options;
}
