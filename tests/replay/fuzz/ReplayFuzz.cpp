// Fuzz target for reading game files: records played back, saved games restored, typed numbers
// and pasted games.
#include "AppGameFile.h"
#include "AppGameNumber.h"
#include "AppPlayPresets.h"
#include "AppReplay.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

std::string_view AfterHead(std::string_view text) {
    return text.substr(text.find('\n') + 1);
}

// Games longer than this are read but not played, to keep each run short.
constexpr std::uint32_t playedSteps = 20000;

void CheckRecord(std::string_view text) {
    std::string reason;
    const std::optional<AppGameRecord> record = AppGameFile::ReadRecord(text, reason);
    Check(record.has_value() == reason.empty());
    if (!record)
        return;
    // The reader takes only what the writer writes. A finished game is written in the
    // older format, whose lines after the head are the same in both.
    const std::string written = AppGameFile::Text(*record);
    Check(AfterHead(written) == AfterHead(text));
    if (record->end->step > playedSteps)
        return;
    const AppReplayOutcome outcome = AppReplay::Play(*record);
    Check(outcome.finished == outcome.reason.empty());
    Check(!outcome.finished || outcome.record == *record);
}

void CheckSaved(std::string_view text) {
    std::string reason;
    const std::optional<AppSavedGame> saved = AppGameFile::ReadSaved(text, reason);
    Check(saved.has_value() == reason.empty());
    if (!saved)
        return;
    // A saved game of the older format is written in the latest one, the same game.
    const std::string written = AppGameFile::Text(*saved);
    Check(written == text || (text.starts_with("zingaroo game 1\n") &&
                              AppGameFile::ReadSaved(written, reason) == saved));
    if (saved->steps > playedSteps)
        return;
    AppRandom random;
    AppGame game(random);
    game.CreateField();
    game.SetPlayOptions(AppPlayPresets(1));
    game.SetState(stSetup);
    AppGameRecorder recorder(game, random);
    if (AppReplay::Restore(recorder, *saved).empty()) {
        // Resumed, the game saves as it was.
        Check(game.State() == stPlaying && recorder.Save(saved->playMs) == *saved);
    } else {
        Check(game.State() == stTitle && game.PlayOptions() == AppPlayPresets(1));
        Check(!recorder.Recording());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckRecord(text);
    CheckSaved(text);
    if (const std::optional<std::uint32_t> number = AppGameNumber::Parse(text))
        Check(*number >= AppGameNumber::low && *number <= AppGameNumber::high);
    // A pasted game with its options reads back the same from the text it is passed on in.
    if (const std::optional<AppSharedGame> shared = AppGameNumber::ParseShared(text);
        shared && shared->options)
        Check(AppGameNumber::ParseShared(
                  AppGameNumber::ShareText(shared->number, *shared->options)) == shared);
    return 0;
}
