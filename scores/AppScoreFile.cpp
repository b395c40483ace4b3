// The scores file on disk: read whole, changed only by a merge with what it holds now.
#include "AppScoreFile.h"

#include "AppDurableFile.h"

#include <filesystem>

void AppScoreFile::Say(const std::string& line) const {
    if (report_)
        report_(line);
}

AppScoreBook AppScoreFile::Load() const {
    AppDurableFile file(path_);
    std::string text;
    if (file.Read(text) == AppDurableFile::ReadResult::NotReadWhole)
        Say("Not read " + path_ + ": " + file.Failure() + "; it is left as it is");
    return AppScoreBook::FromText(text);
}

bool AppScoreFile::Rewrite(const Change& change, AppScoreBook& book) const {
    book = Load();
    if (!book.Writable()) {
        Say("Not saved to " + path_ + ": a later version of the format; it is left as it is");
        return false;
    }
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ignored);
    AppScoreBook merged;
    const bool saved = AppSharedFile(path_, report_).Save([&](const std::string& current) {
        merged = AppScoreBook::FromText(current);
        // Another copy may have written a later version meanwhile.
        if (!merged.Writable())
            return current;
        change(merged);
        merged.Bound();
        return merged.Text();
    });
    if (saved)
        book = std::move(merged);
    return saved;
}
