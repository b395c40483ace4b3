// The scores file: ranking, tables, kept lines, two writers, the bound and files left alone.
#include "AppScoreFile.h"
#include "AppReplayShelf.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const AppPlayOptions practice(16, 16, 1, 1, 32, 240, true);

AppScoreGame Game(const std::string& name, int score, int phase, std::int64_t endTime,
                  const AppPlayOptions& rules = AppPlayOptions(), std::uint32_t number = 0) {
    AppScoreGame game;
    game.number = number;
    game.name = name;
    game.score = score;
    game.phase = phase;
    game.endTime = endTime;
    game.lengthSeconds = 61;
    game.rules = rules;
    return game;
}

std::string Lines(const std::vector<AppScoreGame>& games) {
    std::string text = AppScoreGame::VersionLine() + "\n";
    for (const AppScoreGame& game : games)
        text += game.Format() + "\n";
    return text;
}

bool Append(const AppScoreFile& file, const AppScoreGame& game, AppScoreBook& book) {
    return file.Rewrite([&game](AppScoreBook& games) { games.Add(game); }, book);
}

// Ten old games of 100 points, then `younger` games of 1 point.
std::string BoundFile(int younger) {
    std::vector<AppScoreGame> games;
    for (int i = 0; i < 10; ++i)
        games.push_back(Game("old" + std::to_string(i), 100, 2, 1000 + i));
    for (int i = 0; i < younger; ++i)
        games.push_back(Game("young" + std::to_string(i), 1, 1, 5000 + i));
    return Lines(games);
}

// Two copies each append their games at the same moment; the first one's end earlier.
bool AppendFromTwoCopies(const AppScoreFile& file) {
    std::vector<pid_t> copies;
    for (const auto& [name, start] : {std::pair("first", 9000), std::pair("second", 20000)}) {
        const pid_t copy = ::fork();
        if (copy == 0) {
            AppScoreBook book;
            for (int i = 0; i < 50; ++i)
                if (!Append(file, Game(name, 1 + i, 1, start + i), book))
                    ::_exit(1);
            ::_exit(0);
        }
        copies.push_back(copy);
    }
    bool allWritten = true;
    for (pid_t copy : copies) {
        int status = 1;
        allWritten = ::waitpid(copy, &status, 0) == copy && status == 0 && allWritten;
    }
    return allWritten;
}

struct ScoreFileCase {
    const char* behaviour;
    std::function<void(const std::string& path)> prepare;
    std::function<bool(const AppScoreFile&, AppScoreBook&)> act;
    // The entries of `table` as "name score phase", best first.
    std::vector<std::string> topTen;
    std::size_t games;
    // Text the file must still hold afterwards, if any.
    std::string kept = "";
    bool written = true;
    AppPlayOptions table = AppPlayOptions();
};

void PrintTo(const ScoreFileCase& c, std::ostream* out) {
    *out << c.behaviour;
}

class ScoreFile : public testing::TestWithParam<ScoreFileCase> {};

TEST_P(ScoreFile, KeepsEveryGameAndRanksItsTables) {
    const ScoreFileCase& c = GetParam();
    TempFolder folder;
    const AppScoreFile file(folder.File("scores"));
    c.prepare(file.Path());
    AppScoreBook book;
    EXPECT_EQ(c.act(file, book), c.written);
    const AppScoreBook stored = file.Load();
    std::vector<std::string> topTen;
    for (const AppScoreGame& game : stored.TopTen(c.table))
        topTen.push_back(game.name + " " + std::to_string(game.score) + " " +
                         std::to_string(game.phase) +
                         (game.number == 0 ? "" : " #" + std::to_string(game.number)));
    EXPECT_EQ(topTen, c.topTen);
    EXPECT_EQ(stored.GameCount(), c.games);
    if (!c.kept.empty()) {
        EXPECT_NE(ReadWholeFile(file.Path()).find(c.kept), std::string::npos);
    }
}

const auto appendNothing = [](const AppScoreFile&, AppScoreBook&) { return true; };
const auto appendOne = [](const AppScoreFile& file, AppScoreBook& book) {
    return Append(file, Game("new", 7, 2, 8000), book);
};
const auto renameFirst = [](const AppScoreFile& file, AppScoreBook& book) {
    return file.Rewrite([](AppScoreBook& b) { b.Rename(Game("Ann", 5, 1, 100), "Anna"); }, book);
};
const auto fileWith = [](std::string text) {
    return [text](const std::string& path) { WriteWholeFile(path, text); };
};
const auto shell = [](std::string command) {
    return [command](const std::string& path) {
        const std::string folder = path.substr(0, path.rfind('/'));
        ASSERT_EQ(std::system(("cd '" + folder + "' && " + command).c_str()), 0);
    };
};
// Five games, each named as the keeper names it: after the last game's name.
const auto appendFiveUnderTheLastName = [](const AppScoreFile& file, AppScoreBook& book) {
    bool written = true;
    for (int i = 0; i < 5; ++i)
        written =
            file.Rewrite([i](AppScoreBook& b) { b.Add(Game(b.LastName(), 10 + i, 1, 9000 + i)); },
                         book) &&
            written;
    return written;
};
const std::string longName(std::size_t{1} << 20, 'x');
const std::string capped(AppScoreGame::maxNameLength, 'x');
const std::string damaged = "2026-13-01T00:00:00Z 24,18,6,6,60,160,1 3 1 10 Bad date\n"
                            "this line is no game\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ScoreFile,
    testing::Values(
        ScoreFileCase{"ranked by score, then phase, then the earlier game; 0 points stay out",
                      fileWith(Lines({Game("five", 5, 3, 100), Game("zero", 0, 1, 101),
                                      Game("late", 9, 3, 300), Game("early", 9, 3, 200),
                                      Game("phase2", 9, 2, 50)})),
                      appendNothing,
                      {"early 9 3", "late 9 3", "phase2 9 2", "five 5 3"},
                      5},
        ScoreFileCase{"each set of rules has a table of its own",
                      fileWith(Lines({Game("a", 4, 1, 100), Game("p", 40, 4, 101, practice),
                                      Game("b", 3, 1, 102)})),
                      appendOne,
                      {"p 40 4"},
                      4,
                      "new",
                      true,
                      practice},
        ScoreFileCase{"a new file starts with its version line",
                      fileWith(""),
                      appendOne,
                      {"new 7 2"},
                      1,
                      AppScoreGame::VersionLine() + "\n1970-01-01T02:13:20Z"},
        ScoreFileCase{"damaged lines are skipped and kept through appends and rewrites",
                      fileWith(Lines({Game("Ann", 5, 1, 100)}) + damaged),
                      renameFirst,
                      {"Anna 5 1"},
                      1,
                      damaged},
        ScoreFileCase{"an unended last line stays one damaged line",
                      fileWith(Lines({Game("Ann", 5, 1, 100)}) + "2026-12-09T03:2"),
                      appendOne,
                      {"new 7 2", "Ann 5 1"},
                      2,
                      "2026-12-09T03:2\n"},
        ScoreFileCase{
            "two copies appending at once lose none of each other's games",
            fileWith(""),
            [](const AppScoreFile& file, AppScoreBook&) { return AppendFromTwoCopies(file); },
            {"first 50 1", "second 50 1", "first 49 1", "second 49 1", "first 48 1", "second 48 1",
             "first 47 1", "second 47 1", "first 46 1", "second 46 1"},
            100},
        ScoreFileCase{"past the bound a rewrite drops the oldest games outside the top ten",
                      fileWith(BoundFile(10'005)),
                      renameFirst,
                      {"old0 100 2", "old1 100 2", "old2 100 2", "old3 100 2", "old4 100 2",
                       "old5 100 2", "old6 100 2", "old7 100 2", "old8 100 2", "old9 100 2"},
                      10'000,
                      "61 young15\n"},
        ScoreFileCase{"a name of 1 MiB is cut as a typed one, so the file stays readable",
                      fileWith(AppScoreGame::VersionLine() + "\n2026-12-09T03:25:58Z " +
                               "24,18,6,6,60,160,1 5 1 10 " + longName + "\n"),
                      appendFiveUnderTheLastName,
                      {capped + " 14 1", capped + " 13 1", capped + " 12 1", capped + " 11 1",
                       capped + " 10 1", capped + " 5 1"},
                      6},
        ScoreFileCase{"a game out of the reader's ranges is written as one it reads",
                      fileWith(""),
                      [](const AppScoreFile& file, AppScoreBook& book) {
                          AppScoreGame far = Game("far", 3, 0, 999'999'999'999);
                          far.lengthSeconds = -5;
                          return Append(file, far, book);
                      },
                      {"far 3 1"},
                      1,
                      "9999-12-31T23:59:59Z 24,18,6,6,60,160,1 3 1 0 far\n"},
        ScoreFileCase{"a read-only file is left as it is",
                      shell("printf 'zingaroo scores 1\\n' >scores; chmod 444 scores"),
                      appendOne,
                      {},
                      0,
                      "zingaroo scores 1\n",
                      false},
        ScoreFileCase{"a link to a FIFO is left as it is",
                      shell("mkfifo fifo && ln -s fifo scores"),
                      appendOne,
                      {},
                      0,
                      "",
                      false},
        ScoreFileCase{"numbered games join a file of version 1, whose lines stay as written",
                      fileWith("zingaroo scores 1\n" + Game("Ann", 5, 1, 100).Format() + "\n" +
                               Game("Bob", 9, 2, 200, AppPlayOptions(), 999'999'999).Format() +
                               "\n"),
                      appendOne,
                      {"Bob 9 2 #999999999", "new 7 2", "Ann 5 1"},
                      3,
                      "zingaroo scores 3\n1970-01-01T00:01:40Z 24,18,6,6,60,160,1 5 1 61 Ann\n"
                      "1970-01-01T00:03:20Z #999999999 24,18,6,6,60,160,1 9 2 61 Bob\n"},
        ScoreFileCase{
            "the board's answer joins a game of a version 2 file and outlives a rename",
            fileWith("zingaroo scores 2\n" + Game("Ann", 5, 1, 100, AppPlayOptions(), 77).Format() +
                     "\n"),
            [](const AppScoreFile& file, AppScoreBook& book) {
                return file.Rewrite(
                           [](AppScoreBook& b) {
                               b.SetBoardAnswer("19700101T000140Z-77",
                                                *AppBoardAnswer::Sent("2026-12-09", 3, 41, "a7"));
                           },
                           book) &&
                       file.Rewrite(
                           [](AppScoreBook& b) {
                               b.Rename(Game("Ann", 5, 1, 100, AppPlayOptions(), 77), "Anna");
                           },
                           book);
            },
            {"Anna 5 1 #77"},
            1,
            "61 Anna\tsent 2026-12-09 3 41 a7\n"},
        ScoreFileCase{"a number that is no number makes a damaged line, kept as it was",
                      fileWith(Lines({Game("Ann", 5, 1, 100)}) +
                               "1970-01-01T00:03:20Z #0 24,18,6,6,60,160,1 9 2 61 Zero\n"
                               "1970-01-01T00:03:20Z # 24,18,6,6,60,160,1 9 2 61 Blank\n"
                               "1970-01-01T00:03:20Z #1x 24,18,6,6,60,160,1 9 2 61 Letter\n"),
                      appendOne,
                      {"new 7 2", "Ann 5 1"},
                      2,
                      "#0 24,18,6,6,60,160,1 9 2 61 Zero\n"},
        ScoreFileCase{"a file of a later version is shown and left as it is",
                      fileWith("zingaroo scores 4\n" + Game("Ann", 5, 1, 100).Format() + "\n"),
                      renameFirst,
                      {"Ann 5 1"},
                      1,
                      "zingaroo scores 4\n",
                      false}));

// The replays kept beside the scores follow the tables: ten best per table and the last game.
TEST(ReplayShelf, KeepsTheReplaysOfTopTenGamesAndTheLastGameOnly) {
    TempFolder folder;
    const AppScoreFile file(folder.File("scores"));
    const AppReplayShelf shelf(folder.File("replays"));
    AppScoreBook book;
    // Twelve games of rising score, then a poor one: the two first drop out of the table.
    for (int i = 1; i <= 13; ++i) {
        const AppScoreGame game = Game("p", i == 13 ? 1 : 10 * i, 1, 1000 + i, practice, 7000 + i);
        ASSERT_TRUE(file.Rewrite(
            [&](AppScoreBook& games) {
                games.Add(game);
                shelf.Put(game, "replay " + std::to_string(i));
                shelf.Prune(games);
            },
            book));
    }
    WriteWholeFile(folder.File("replays/notes.txt"), "mine");
    shelf.Prune(book);
    std::vector<int> kept;
    for (int i = 1; i <= 13; ++i)
        if (const auto text = shelf.Get(Game("p", 0, 1, 1000 + i, practice, 7000 + i)))
            kept.push_back(std::stoi(text->substr(7)));
    EXPECT_EQ(kept, (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(ReadWholeFile(folder.File("replays/notes.txt")), "mine");
    EXPECT_EQ(shelf.PathOf(Game("old", 5, 1, 100)), "");
    // Another copy puts a replay while this prune reads a book that misses its game.
    const AppScoreGame other = Game("q", 1, 1, 5000, practice, 9);
    shelf.Prune([&] {
        shelf.Put(other, "other");
        return AppScoreBook();
    });
    EXPECT_EQ(shelf.Get(other), "other");
    EXPECT_FALSE(shelf.Get(Game("p", 0, 1, 1013, practice, 7013)));
}

} // namespace
