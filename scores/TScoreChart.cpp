// A chart of a table's recent scores, with a line at the table's tenth place.
#include "TScoreChart.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

TScoreChart::TScoreChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ScoreChart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TScoreChart::SetScores(std::vector<std::int32_t> scores, std::optional<std::int32_t> tenth) {
    scores_ = std::move(scores);
    tenth_ = tenth;
    update();
}

QSize TScoreChart::sizeHint() const {
    return minimumSizeHint();
}

QSize TScoreChart::minimumSizeHint() const {
    // Room for the highest score's digits at the left and a few lines of height.
    const int line = fontMetrics().height();
    return {fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 24 * line, 8 * line};
}

void TScoreChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const std::int32_t top =
        std::max({std::int32_t{1}, tenth_.value_or(0),
                  scores_.empty() ? 0 : *std::max_element(scores_.begin(), scores_.end())});
    // Grouped as the table and the History page show scores: 1 234, 1,234 or 1.234.
    const QString topText = QLocale().toString(top);

    // The plot's frame: the axis labels outside it, half a line of room all round.
    const int pad = metrics.height() / 2;
    const QRectF plot(pad + metrics.horizontalAdvance(topText) + pad, pad,
                      width() - 3 * pad - metrics.horizontalAdvance(topText), height() - 2 * pad);
    const auto yOf = [&](std::int32_t score) {
        return plot.bottom() - plot.height() * score / top;
    };
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(0, plot.top() - pad, plot.left() - pad, 2 * pad),
                     Qt::AlignRight | Qt::AlignVCenter, topText);
    painter.drawText(QRectF(0, plot.bottom() - pad, plot.left() - pad, 2 * pad),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    if (tenth_) {
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DashLine);
        painter.setPen(pen);
        painter.drawLine(QPointF(plot.left(), yOf(*tenth_)), QPointF(plot.right(), yOf(*tenth_)));
    }
    if (scores_.empty())
        return;
    // One game per step across; a single game stands at the left.
    const double step = scores_.size() > 1 ? plot.width() / double(scores_.size() - 1) : 0;
    QPainterPath path;
    for (std::size_t i = 0; i < scores_.size(); ++i) {
        const QPointF point(plot.left() + step * double(i), yOf(scores_[i]));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    painter.setPen(QPen(palette().color(QPalette::Text), 2));
    painter.drawPath(path);
    painter.setBrush(palette().color(QPalette::Text));
    const QPointF last = path.currentPosition();
    painter.drawEllipse(last, 3, 3);
}
