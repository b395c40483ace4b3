// A save of a file that other copies rewrite: merged again when the file changed under it.
#include "AppSharedFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(AppSharedFile, AChangedFileIsMergedAgainABoundedNumberOfTimesThenSaved) {
    struct {
        int changes; // by another copy, one during each merge
        int merges;
        std::string saved;
        std::string line; // after "Saved <path>"
    } const cases[] = {
        {0, 1, "0+ours", ""},
        {1, 2, "0+other+ours", " after merging again once: another copy changed it meanwhile"},
        // The last change is not seen: a save that keeps meeting changes still ends.
        {AppSharedFile::attempts, AppSharedFile::attempts, "0+other+other+other+ours",
         " after merging again 3 times: another copy kept changing it, so the last merge was "
         "saved unchecked"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const std::string path = folder.File("scores");
        WriteWholeFile(path, "0");
        std::vector<std::string> lines;
        int merges = 0;
        const AppSharedFile file(path,
                                 [&lines](const std::string& line) { lines.push_back(line); });
        EXPECT_TRUE(file.Save([&](const std::string& current) {
            if (merges++ < c.changes)
                WriteWholeFile(path, current + "+other");
            return current + "+ours";
        }));
        EXPECT_EQ(merges, c.merges) << c.changes;
        EXPECT_EQ(ReadWholeFile(path), c.saved) << c.changes;
        EXPECT_EQ(lines, c.line.empty() ? std::vector<std::string>{}
                                        : std::vector<std::string>{"Saved " + path + c.line})
            << c.changes;
    }
}

} // namespace
