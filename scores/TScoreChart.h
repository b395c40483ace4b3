// A chart of a table's recent scores, with a line at the table's tenth place.
#pragma once

#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

class TScoreChart : public QWidget {
    Q_OBJECT

public:
    explicit TScoreChart(QWidget* parent = nullptr);

    // The scores oldest first, and the score at the tenth place when there is one.
    void SetScores(std::vector<std::int32_t> scores, std::optional<std::int32_t> tenth);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::int32_t> scores_;
    std::optional<std::int32_t> tenth_;
};
