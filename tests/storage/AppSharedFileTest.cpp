// A save of a file that other copies rewrite: merged again when the file changed under it.
#include "AppSharedFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

TEST(AppSharedFile, AFileChangedWithoutTheLockIsMergedAgainOrTheChangeWaitsBesideIt) {
    struct {
        int changes; // by a copy that writes without the lock, one during each merge
        int merges;
        std::string saved;
        std::string line; // after "Saved <path>", or the start of the line telling where it waits
    } const cases[] = {
        {0, 1, "0+ours", ""},
        {1, 2, "0+other+ours", " after merging again once: another copy changed it meanwhile"},
        // A save that keeps meeting changes still ends, and writes nothing over them.
        {AppSharedFile::attempts, AppSharedFile::attempts, "0+other+other+other+other",
         "Not saved to "},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string path = folder.File("scores");
        WriteWholeFile(path, "0");
        std::vector<std::string> lines;
        int merges = 0;
        const AppSharedFile file(
            path,
            [&](const std::string& current, const std::string& change) {
                if (change == "ours" && merges++ < c.changes)
                    WriteWholeFile(path, current + "+other");
                return std::optional<std::string>(current + "+" + change);
            },
            [&lines](const std::string& line) { lines.push_back(line); });
        const bool waits = c.changes == AppSharedFile::attempts;
        EXPECT_EQ(file.Save("ours"),
                  waits ? AppSharedFile::Outcome::LeftBeside : AppSharedFile::Outcome::Saved);
        EXPECT_EQ(merges, c.merges) << c.changes;
        EXPECT_EQ(ReadWholeFile(path), c.saved) << c.changes;
        EXPECT_EQ(file.PendingPaths().size(), waits ? 1u : 0u) << c.changes;
        std::string read;
        std::string failure;
        file.Read(read, failure);
        EXPECT_EQ(read, c.saved + (waits ? "+ours" : "")) << c.changes;
        ASSERT_EQ(lines.size(), c.line.empty() ? 0u : 1u) << c.changes;
        if (!c.line.empty()) {
            EXPECT_EQ(lines[0].rfind(waits ? c.line : "Saved " + path + c.line, 0), 0u) << lines[0];
        }
    }
}

} // namespace
