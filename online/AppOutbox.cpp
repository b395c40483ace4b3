// The games waiting for the board: one file per game in a folder, and when to try next.
#include "AppOutbox.h"

#include "AppDurableFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

constexpr std::string_view suffix = ".zingaroo";
constexpr std::string_view scheduleName = "/retry";
constexpr std::size_t maxId = 64;

} // namespace

bool AppOutbox::IsId(std::string_view id) {
    return !id.empty() && id.size() <= maxId && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               c == '-';
    });
}

std::string AppOutbox::PathOf(std::string_view id) const {
    return folder_ + '/' + std::string(id) + std::string(suffix);
}

bool AppOutbox::Put(std::string_view id, std::string_view replay) const {
    if (!IsId(id))
        return false;
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    AppDurableFile::RemoveStaleTemporaries(PathOf(id));
    return AppDurableFile(PathOf(id)).Replace(replay);
}

std::vector<std::string> AppOutbox::Ids() const {
    std::vector<std::string> ids;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder_, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!name.ends_with(suffix))
            continue;
        const std::string id = name.substr(0, name.size() - suffix.size());
        if (IsId(id) && entry->is_regular_file(error))
            ids.push_back(id);
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::optional<std::string> AppOutbox::Read(std::string_view id) const {
    std::string text;
    if (!IsId(id) || AppDurableFile(PathOf(id)).Read(text) != AppDurableFile::ReadResult::Read)
        return std::nullopt;
    return text;
}

void AppOutbox::Remove(std::string_view id) const {
    if (!IsId(id))
        return;
    std::error_code error;
    std::filesystem::remove(PathOf(id), error);
}

AppRetrySchedule AppOutbox::Schedule() const {
    std::string text;
    AppDurableFile(folder_ + std::string(scheduleName)).Read(text);
    return AppRetrySchedule::Parse(text).value_or(AppRetrySchedule());
}

void AppOutbox::SetSchedule(const AppRetrySchedule& schedule) const {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    AppDurableFile(folder_ + std::string(scheduleName)).Replace(schedule.Format());
}

void AppOutbox::ClearSchedule() const {
    std::error_code error;
    std::filesystem::remove(folder_ + std::string(scheduleName), error);
}
