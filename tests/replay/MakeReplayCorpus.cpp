// Writes the replay corpus: games played by the bot, chosen to cover the rules' corners.
//   zingaroo_make_replay_corpus <folder>
// The games are the same on every run; a change to the rules shows as changed files.
#include "AppGameFile.h"
#include "AppPlayPresets.h"
#include "ReplayBot.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

using Ending = ReplayBot::Ending;

// A game with the options of a preset (1 to 5: Default, Original without sweepers,
// Practice on 16 x 16, Puzzling, Steps), or its own options under preset 0.
struct CorpusGame {
    const char* name;
    int preset;
    ReplayBot::Plan plan;
    AppPlayOptions options = {};
};

const CorpusGame games[] = {
    {"default-runs-into", 1, {Ending::runInto, 300, 2, 5}},
    {"default-shoves-onto-ball", 1, {Ending::shoveOntoBall, 200, 1, 0}},
    {"default-abandoned", 1, {Ending::abandon, 700, 1, 30}},
    {"default-phase-4", 1, {Ending::runInto, 0, 4, 2}},
    {"default-stands-then-abandoned", 1, {Ending::abandon, 120, 1, 1000}},
    {"default-long", 1, {Ending::abandon, 11250, 1, 12}},
    {"original-runs-into", 2, {Ending::runInto, 400, 2, 3}},
    {"original-shoves-onto-ball", 2, {Ending::shoveOntoBall, 300, 2, 0}},
    {"original-abandoned", 2, {Ending::abandon, 900, 3, 8}},
    {"practice-runs-into", 3, {Ending::runInto, 200, 3, 4}},
    {"practice-shoves-onto-ball", 3, {Ending::shoveOntoBall, 250, 2, 1}},
    {"practice-abandoned", 3, {Ending::abandon, 600, 4, 0}},
    {"puzzling-runs-into", 4, {Ending::runInto, 500, 1, 9}},
    {"puzzling-abandoned", 4, {Ending::abandon, 800, 1, 2}},
    {"steps-runs-into", 5, {Ending::runInto, 300, 3, 6}},
    {"steps-shoves-onto-ball", 5, {Ending::shoveOntoBall, 400, 2, 0}},
    {"wide-32x32-runs-into",
     0,
     {Ending::runInto, 600, 2, 3},
     AppPlayOptions(32, 32, 6, 6, 60, 160, true)},
    {"wide-32x32-no-sweepers-shoves",
     0,
     {Ending::shoveOntoBall, 500, 2, 7},
     AppPlayOptions(32, 32, 8, 2, 40, 120, false)},
    {"wide-32x16-abandoned",
     0,
     {Ending::abandon, 1000, 2, 0},
     AppPlayOptions(32, 16, 4, 3, 30, 200, true)},
    {"narrow-16x32-runs-into",
     0,
     {Ending::runInto, 350, 2, 1},
     AppPlayOptions(16, 32, 5, 5, 50, 160, false)},
    {"sweepers-often-32x32",
     0,
     {Ending::runInto, 800, 5, 4},
     AppPlayOptions(32, 32, 2, 1, 8, 160, true)},
    {"quick-crash-16x16", 0, {Ending::runInto, 0, 1, 0}, AppPlayOptions(16, 16, 1, 0, 1, 10, true)},
};

// How the record ended, in the plan's terms.
Ending EndingOf(const AppGameRecord& record) {
    if (record.end->how == AppGameEnd::abandoned)
        return Ending::abandon;
    const bool byKey = !record.inputs.empty() && record.inputs.back().kind == AppInputKind::key &&
                       record.inputs.back().step == record.end->step;
    return byKey ? Ending::shoveOntoBall : Ending::runInto;
}

// The first of the bot's tries that ends as planned, in its phase.
std::optional<AppGameRecord> PlayGame(const CorpusGame& spec, std::uint32_t number) {
    for (std::uint64_t seed = 1; seed <= 500; ++seed) {
        AppRandom random;
        AppGame game(random);
        game.CreateField();
        AppGameRecorder recorder(game, random);
        recorder.New(number, spec.preset ? AppPlayPresets(spec.preset) : spec.options);
        ReplayBot bot(recorder, seed, spec.plan);
        while (bot.Play() && recorder.Steps() < 100000) {
        }
        const AppGameRecord& record = recorder.Record();
        if (record.end && EndingOf(record) == spec.plan.ending &&
            record.end->phase >= spec.plan.seekFromPhase)
            return record;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zingaroo_make_replay_corpus <folder>\n";
        return 2;
    }
    std::uint32_t number = 1000;
    int index = 0;
    for (const CorpusGame& spec : games) {
        number = number * 7919 % 999999937 + 1;
        const std::optional<AppGameRecord> record = PlayGame(spec, number);
        if (!record) {
            std::cerr << spec.name << ": the bot never ended it as planned\n";
            return 1;
        }
        char prefix[4];
        std::snprintf(prefix, sizeof prefix, "%02d-", ++index);
        const std::string path = std::string(argv[1]) + "/" + prefix + spec.name + ".replay";
        std::ofstream(path, std::ios::binary) << AppGameFile::Text(*record);
        std::cout << path << ": " << record->end->step << " steps, " << record->end->score
                  << " pt., phase " << record->end->phase << ", " << record->inputs.size()
                  << " inputs\n";
    }
    return 0;
}
