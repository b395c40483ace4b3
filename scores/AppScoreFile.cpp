// The scores file on disk: read whole, changed only by a merge with what it holds now.
#include "AppScoreFile.h"

#include "AppDurableFile.h"

#include <filesystem>

void AppScoreFile::Say(const std::string& line) const {
    if (report_)
        report_(line);
}

std::optional<std::string> AppScoreFile::Fold(const std::string& current, const std::string& edit) {
    AppScoreBook book = AppScoreBook::FromText(current);
    if (!book.Writable() || !book.Apply(edit))
        return std::nullopt;
    book.Bound(AppDurableFile::MaxFileSize);
    return book.Text();
}

AppSharedFile AppScoreFile::Shared(int lockWaitMs) const {
    return AppSharedFile(path_, Fold, report_, lockWaitMs);
}

AppScoreBook AppScoreFile::Load() const {
    std::string text;
    std::string failure;
    if (Shared(0).Read(text, failure) == AppDurableFile::ReadResult::NotReadWhole)
        Say("Not read " + path_ + ": " + failure + "; it is left as it is");
    return AppScoreBook::FromText(text);
}

std::string AppScoreFile::Prepare(const Change& change, AppScoreBook& book) {
    const AppScoreBook before = book;
    change(book);
    return AppScoreBook::Edit(before, book);
}

AppScoreFile::Outcome AppScoreFile::Deliver(const std::string& edit, int lockWaitMs) const {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ignored);
    return Shared(lockWaitMs).Save(edit);
}

bool AppScoreFile::Rewrite(const Change& change, AppScoreBook& book, int lockWaitMs) const {
    book = Load();
    if (!book.Writable()) {
        Say("Not saved to " + path_ + ": a later version of the format; it is left as it is");
        return false;
    }
    AppScoreBook changed = book;
    if (Deliver(Prepare(change, changed), lockWaitMs) == Outcome::NotSaved)
        return false;
    book = std::move(changed);
    return true;
}
