// The scores file on disk: read whole, changed only by a merge with what it holds now.
#include "AppScoreFile.h"

#include "AppDurableFile.h"

#include <filesystem>

void AppScoreFile::Say(const std::string& line) const {
    if (report_)
        report_(line);
}

AppSharedFile::Folded AppScoreFile::Fold(const std::string& current, const std::string& edit) {
    using Refused = AppSharedFile::Folded::Refused;
    AppScoreBook book = AppScoreBook::FromText(current);
    if (!book.Writable())
        return {Refused::LaterFile};
    const std::optional<int> version =
        AppScoreGame::ParseVersionLine(edit.substr(0, edit.find('\n')));
    if (!version)
        return {Refused::Unreadable, "not a scores change: no version line"};
    if (*version > AppScoreGame::formatVersion)
        return {Refused::LaterChange};
    if (!book.Apply(edit))
        return {Refused::Unreadable, "a line that is neither a game added nor one removed"};
    book.Bound(AppDurableFile::MaxFileSize);
    return std::optional<std::string>(book.Text());
}

AppSharedFile AppScoreFile::Shared(int lockWaitMs) const {
    return AppSharedFile(path_, Fold, report_, lockWaitMs, AppScoreBook::JoinEdits);
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
