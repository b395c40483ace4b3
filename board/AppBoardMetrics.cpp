// The board's counters, written out as Prometheus text for /metrics.
#include "AppBoardMetrics.h"

#include <algorithm>

void AppBoardMetrics::Answered(int status) {
    const auto* found = std::find(statuses_.begin(), statuses_.end(), status);
    // Codes outside the list are counted with the server's own failures.
    uploads_[found == statuses_.end() ? statuses_.size() - 1 : found - statuses_.begin()]++;
}

void AppBoardMetrics::Replayed(std::chrono::nanoseconds took) {
    const double seconds = std::chrono::duration<double>(took).count();
    for (std::size_t i = 0; i < bucketsSeconds_.size(); ++i)
        if (seconds <= bucketsSeconds_[i])
            replayBuckets_[i]++;
    replays_++;
    replayNanoseconds_ += static_cast<std::uint64_t>(took.count());
}

std::string AppBoardMetrics::Text(std::size_t queueDepth, std::size_t connections) const {
    std::string text = "# HELP zingaroo_board_uploads_total Uploads by the status answered.\n"
                       "# TYPE zingaroo_board_uploads_total counter\n";
    for (std::size_t i = 0; i < statuses_.size(); ++i)
        text += "zingaroo_board_uploads_total{code=\"" + std::to_string(statuses_[i]) + "\"} " +
                std::to_string(uploads_[i].load()) + "\n";
    text += "# HELP zingaroo_board_replay_seconds Time to replay an uploaded game.\n"
            "# TYPE zingaroo_board_replay_seconds histogram\n";
    for (std::size_t i = 0; i < bucketsSeconds_.size(); ++i) {
        std::string bound = std::to_string(bucketsSeconds_[i]);
        bound.erase(bound.find_last_not_of('0') + 1);
        text += "zingaroo_board_replay_seconds_bucket{le=\"" + bound + "\"} " +
                std::to_string(replayBuckets_[i].load()) + "\n";
    }
    const std::uint64_t replays = replays_.load();
    text += "zingaroo_board_replay_seconds_bucket{le=\"+Inf\"} " + std::to_string(replays) + "\n";
    text += "zingaroo_board_replay_seconds_sum " +
            std::to_string(static_cast<double>(replayNanoseconds_.load()) / 1e9) + "\n";
    text += "zingaroo_board_replay_seconds_count " + std::to_string(replays) + "\n";
    text += "# HELP zingaroo_board_queue_depth Uploads waiting for a replay worker.\n"
            "# TYPE zingaroo_board_queue_depth gauge\n"
            "zingaroo_board_queue_depth " +
            std::to_string(queueDepth) + "\n";
    text += "# HELP zingaroo_board_connections Open client connections.\n"
            "# TYPE zingaroo_board_connections gauge\n"
            "zingaroo_board_connections " +
            std::to_string(connections) + "\n";
    return text;
}
