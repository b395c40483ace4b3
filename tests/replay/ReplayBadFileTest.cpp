// Damaged, cut, later-version, absurd and huge game files are refused with a reason, never played.
#include "AppGameFile.h"
#include "AppGameNumber.h"
#include "AppPlayPresets.h"
#include "AppReplay.h"
#include "ReplayDrive.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::string CorpusText(const char* name) {
    return FileText(std::string(ZINGAROO_REPLAY_CORPUS "/") + name + ".replay");
}

// The text with the first line starting with `lead` replaced by `line` (dropped when empty).
std::string WithLine(std::string text, const std::string& lead, const std::string& line) {
    const std::size_t at = text.starts_with(lead) ? 0 : text.find("\n" + lead) + 1;
    const std::size_t end = text.find('\n', at) + 1;
    return text.replace(at, end - at, line.empty() ? "" : line + "\n");
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

// The lines of a file's head, then `line` repeated `count` times, then `last`.
std::string Repeated(const std::string& head, const std::string& line, std::size_t count,
                     const std::string& last) {
    std::string text = head;
    for (std::size_t i = 0; i < count; ++i)
        text += line;
    return text + last;
}

struct BadFile {
    const char* name;
    bool saved; // a saved game to resume, else a finished record to play back
    std::function<std::string(const std::string&)> make;
    const char* reason; // part of the reason given; empty when the file is good
};

TEST(ReplayBadFiles, EveryBadGameFileIsRefusedWithAReasonAndTheGameStaysOnTheTitle) {
    // A saved game: practice, cut in play after some shoves.
    const std::string recordText = CorpusText("12-practice-abandoned");
    std::string ignored;
    const AppGameRecord record = *AppGameFile::ReadRecord(recordText, ignored);
    AppRandom random;
    AppGame game(random);
    game.CreateField();
    AppGameRecorder recorder(game, random);
    recorder.New(record.number, record.options);
    Drive(recorder, record, 0, ReplayCut{400, 79});
    const std::string good = AppGameFile::Text(*recorder.Save(65432));
    const std::string head = good.substr(0, good.find("launch"));
    const std::string saved = good.substr(good.rfind("saved"));
    const std::string lastKey = good.substr(good.rfind("key"));

    const BadFile rows[] = {
        {"intact", true, [](auto& t) { return t; }, ""},
        {"empty", true, [](auto&) { return ""; }, "empty"},
        {"cut in a line", true, [](auto& t) { return t.substr(0, t.size() - 7); }, "cut short"},
        {"cut at a line", true, [&](auto& t) { return WithLine(t, "saved", ""); }, "cut short"},
        {"later version", true, [](auto& t) { return Replaced(t, "game 2", "game 3"); },
         "later version"},
        {"settings file", true, [](auto&) { return "[Settings]\nPlayOptions=1\n"; },
         "not a game file"},
        {"binary", true, [](auto&) { return std::string("\0\x7f\xff\n", 4); }, "not a game file"},
        {"line ends of another system", true,
         [](auto& t) { return Replaced(t, "game 2\n", "game 2\r\n"); }, "not a game file"},
        {"huge", true, [&](auto& t) { return Repeated(t, "resume 0\n", 4u << 20, ""); },
         "too large"},
        {"too many inputs", true,
         [&](auto&) { return Repeated(head, "pause 0\nresume 0\n", 500001, saved); },
         "too many inputs"},
        {"number 0", true, [](auto& t) { return WithLine(t, "number", "number 0"); },
         "no game number"},
        {"number too large", true,
         [](auto& t) { return WithLine(t, "number", "number 1000000000"); }, "no game number"},
        {"number with a leading zero", true,
         [](auto& t) { return Replaced(t, "number ", "number 0"); }, "no game number"},
        {"width out of range", true,
         [](auto& t) { return Replaced(t, "options 16,", "options 99,"); }, "play options"},
        {"an option missing", true, [](auto& t) { return Replaced(t, ",1\n", "\n"); },
         "play options"},
        {"a key off the field", true,
         [&](auto& t) { return Replaced(t, lastKey, "key 400 1 16 0\n" + saved); }, "on the field"},
        {"steps going back", true,
         [&](auto& t) { return Replaced(t, saved, "launch 2\n" + saved); }, "out of order"},
        {"absurd steps", true,
         [&](auto& t) { return Replaced(t, "saved 400", "saved 4000000000"); },
         "longer than a day of play (4000000000 steps; at most 8640000)"},
        {"saved a step after a day of play", true,
         [&](auto& t) { return Replaced(t, "saved 400", "saved 8640001"); },
         "longer than a day of play"},
        {"saved with no input, a hundred million steps in", true,
         [&](auto&) { return head + "saved 100000000 0 1 0 0000000000000000\n"; },
         "longer than a day of play"},
        {"an input a step after a day of play", true,
         [&](auto& t) { return Replaced(t, saved, "pause 8640001\n" + saved); },
         "longer than a day of play"},
        {"steps past the counter", true,
         [&](auto& t) { return Replaced(t, "saved 400", "saved 99999999999999999999"); },
         "no step count"},
        {"a second launch", true,
         [&](auto& t) { return Replaced(t, saved, "launch 400\n" + saved); }, "second launch"},
        {"pause not as the inputs say", true,
         [&](auto& t) { return Replaced(t, "saved 400 0", "saved 400 1"); },
         "pause does not match"},
        {"time in play edited", true, [&](auto& t) { return Replaced(t, "65432", "99999"); },
         "another state"},
        {"absurd time in play", true,
         [&](auto& t) { return Replaced(t, "65432", "99999999999999"); }, "no valid saved line"},
        {"a line after the last", true, [](auto& t) { return t + "pause 400\n"; },
         "lines after the last"},
        {"other rules", true, [](auto& t) { return Replaced(t, "rules 1", "rules 2"); },
         "rules version 2"},
        {"state checksum changed", true,
         [&](auto& t) {
             std::string changed = t;
             char& digit = changed[changed.size() - 2];
             digit = digit == '0' ? '1' : '0';
             return changed;
         },
         "another state"},
        {"ball tile changed", true, [&](auto& t) { return Replaced(t, " 65432 0 ", " 65432 6 "); },
         "another state"},
        {"a paddle moved", true,
         [&](auto& t) { return Replaced(t, "key 10 2 7 13", "key 10 2 8 13"); },
         "does not play back"},
        {"a finished game", true, [&](auto&) { return recordText; }, "a finished game"},
        {"a saved game as a record", false, [](auto& t) { return t; }, "a saved game"},
        {"record with another score", false,
         [&](auto&) { return Replaced(recordText, "abandoned 127", "abandoned 128"); },
         "the record says abandoned after 600 steps with 128 pt."},
        {"record ending later", false,
         [&](auto&) { return Replaced(CorpusText("10-practice-runs-into"), "end 208", "end 210"); },
         "the game ended after 208 steps"},
        {"record of a hundred million steps", false,
         [&](auto&) { return head + "end 100000000 gameover 0 1 0000000000000000\n"; },
         "line 5: longer than a day of play (100000000 steps; at most 8640000)"},
        {"record ending a step after a day of play", false,
         [&](auto&) { return Replaced(recordText, "end 600", "end 8640001"); },
         "longer than a day of play"},
        {"record of other rules", false,
         [&](auto&) { return Replaced(recordText, "rules 1", "rules 7"); }, "rules version 7"},
    };
    for (const BadFile& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string text = row.make(good);
        std::string reason;
        if (row.saved) {
            recorder.Abandon();
            game.SetPlayOptions(AppPlayPresets(1));
            game.SetState(stSetup);
            if (const auto file = AppGameFile::ReadSaved(text, reason))
                reason = AppReplay::Restore(recorder, *file);
            EXPECT_EQ(game.State(), reason.empty() ? stPlaying : stTitle);
            EXPECT_EQ(game.PlayOptions(), reason.empty() ? record.options : AppPlayPresets(1));
            EXPECT_EQ(recorder.Recording(), reason.empty());
        } else if (const auto file = AppGameFile::ReadRecord(text, reason)) {
            reason = AppReplay::Play(*file).reason;
        }
        EXPECT_NE(reason.find(row.reason), std::string::npos) << reason;
        EXPECT_EQ(reason.empty(), *row.reason == '\0') << reason;
        EXPECT_EQ(reason.find('\n'), std::string::npos);
    }
}

TEST(ReplayBadFiles, ATypedGameNumberIsDigitsInRangeAndNothingElse) {
    const std::pair<const char*, std::optional<std::uint32_t>> rows[] = {
        {"1", 1},
        {" 48213377\t", 48213377},
        {"999999999", 999999999},
        {"0", {}},
        {"1000000000", {}},
        {"99999999999999999999", {}},
        {"-5", {}},
        {"+5", {}},
        {"12a", {}},
        {"1 2", {}},
        {"", {}},
        {"0x10", {}},
        {"\xd9\xa3", {}}, // a digit of another script
    };
    for (const auto& [typed, number] : rows)
        EXPECT_EQ(AppGameNumber::Parse(typed), number) << typed;
    const std::uint32_t fresh = AppGameNumber::FromClock();
    EXPECT_EQ(AppGameNumber::Parse(std::to_string(fresh)), fresh);
}

} // namespace
