// Resumes a saved game in a process of its own and plays on with the rest of a record's inputs.
//   zingaroo_replay_resume_child <saved game> <record>
// Prints the game's state checksum and random state at the end, then the record it made.
#include "AppGameChecksum.h"
#include "AppGameFile.h"
#include "AppReplay.h"
#include "ReplayDrive.h"

#include <cstdio>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    std::string reason;
    const std::optional<AppSavedGame> saved = AppGameFile::ReadSaved(FileText(argv[1]), reason);
    const std::optional<AppGameRecord> record = AppGameFile::ReadRecord(FileText(argv[2]), reason);
    if (!saved || !record) {
        std::cout << "unreadable: " << reason << "\n";
        return 1;
    }
    // Seeded and set up otherwise than the game was: restoring must deal with all of it.
    AppRandom random(987654321);
    AppGame game(random);
    game.CreateField();
    game.SetPlayOptions(AppPlayOptions(20, 20, 3, 3, 30, 100, false));
    game.SetState(stSetup);
    AppGameRecorder recorder(game, random);
    reason = AppReplay::Restore(recorder, *saved);
    if (!reason.empty() || !Drive(recorder, *record, saved->record.inputs.size(), std::nullopt)) {
        std::cout << "not resumed: " << reason << "\n";
        return 1;
    }
    std::printf("%016llx\n%016llx\n",
                static_cast<unsigned long long>(AppGameChecksum::State(game, random)),
                static_cast<unsigned long long>(random.State()));
    std::cout << AppGameFile::Text(recorder.Record());
    return 0;
}
