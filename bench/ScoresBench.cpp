// Loading a scores file of ten thousand games and opening the Scores dialog on it.
#include "AppPlayPresets.h"
#include "AppScoreFile.h"
#include "TScoresDialog.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <random>

namespace {

// Ten thousand games over the five presets' tables and a few custom ones.
std::string TenThousandGames() {
    std::mt19937 random(7);
    std::string text = AppScoreGame::VersionLine() + "\n";
    for (int i = 0; i < int(AppScoreBook::gameBound); ++i) {
        AppScoreGame game;
        const int table = int(random() % 8);
        game.rules = table < 5 ? AppPlayPresets(1 + table)
                               : AppPlayOptions(20 + table, 18, 6, 6, 60, 160, true);
        game.endTime = 1'700'000'000 + 600 * i;
        game.score = int(random() % 200);
        game.phase = 1 + game.score / 20;
        game.lengthSeconds = 30 + int(random() % 600);
        game.name = "Player " + std::to_string(random() % 5);
        text += game.Format() + "\n";
    }
    return text;
}

void BM_ScoresLoadAndOpen(benchmark::State& state) {
    QTemporaryDir folder;
    const AppScoreFile file(folder.filePath(QStringLiteral("scores")).toStdString());
    std::ofstream(file.Path()) << TenThousandGames();
    for (auto _ : state) {
        TScoresDialog dialog(
            file.Load(), AppReplayShelf(folder.filePath(QStringLiteral("replays")).toStdString()),
            AppPlayOptions(), {}, nullptr);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.isVisible());
    }
}
BENCHMARK(BM_ScoresLoadAndOpen)->Unit(benchmark::kMillisecond);

} // namespace
