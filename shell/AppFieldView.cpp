// The window's client area: the game's picture magnified by the largest whole zoom that fits,
// centred on a plain background where the area is larger, and points of the area mapped back to
// the picture.
#include "AppFieldView.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

// Rounds toward minus infinity, so that every point left of or above the picture maps to a
// negative pixel, never to pixel 0.
int FloorDivide(int value, int divisor) {
    const int quotient = value / divisor;
    return quotient - (value % divisor < 0 ? 1 : 0);
}

// Around a picture smaller than the screen it fills.
const QColor letterbox(Qt::black);
// The frame's rings: the outer one, then the inner one.
const QColor frameDark(Qt::black);
const QColor frameLight(Qt::white);

// The band `width` wide just inside `outer`.
void FillRing(QPainter& painter, const QRect& outer, int width, const QColor& colour) {
    const QRegion inside(outer.adjusted(width, width, -width, -width));
    for (const QRect& band : QRegion(outer).subtracted(inside))
        painter.fillRect(band, colour);
}

} // namespace

AppFieldView::AppFieldView(PictureSource picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void AppFieldView::SetPictureSize(const QSize& size) {
    pictureSize_ = size;
    updateGeometry();
    Place();
}

void AppFieldView::SetZoom(int zoom) {
    zoom_ = std::max(1, zoom);
    updateGeometry();
}

void AppFieldView::SetFilling(bool filling) {
    filling_ = filling;
    updateGeometry();
    update();
}

void AppFieldView::SetBackground(const QColor& colour) {
    if (colour == background_)
        return;
    background_ = colour;
    update();
}

int AppFieldView::FittingZoom(const QSize& picture, const QSize& room) {
    if (picture.isEmpty())
        return 1;
    return std::max(1, std::min(room.width() / picture.width(), room.height() / picture.height()));
}

int AppFieldView::AutomaticZoom(const QSize& picture, const QSize& around, const QSize& available,
                                int most) {
    const auto takes = [&](int zoom) {
        const QSize window = picture * zoom + around;
        return 4 * qint64(window.width()) <= 3 * qint64(available.width()) &&
               4 * qint64(window.height()) <= 3 * qint64(available.height());
    };
    if (picture.isEmpty())
        return 1;
    int zoom = std::max(1, most);
    while (zoom > 1 && !takes(zoom))
        --zoom;
    return zoom;
}

void AppFieldView::Place() {
    scale_ = FittingZoom(pictureSize_, size());
    const QSize shown = pictureSize_ * scale_;
    origin_ = QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2);
    update();
}

void AppFieldView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Place();
}

QRect AppFieldView::ToArea(const QRect& pictureRect) const {
    return {origin_ + pictureRect.topLeft() * scale_, pictureRect.size() * scale_};
}

void AppFieldView::ShowRect(const QRect& pictureRect) {
    update(ToArea(pictureRect));
}

QPoint AppFieldView::ToPicture(const QPoint& point) const {
    return {FloorDivide(point.x() - origin_.x(), scale_),
            FloorDivide(point.y() - origin_.y(), scale_)};
}

void AppFieldView::paintEvent(QPaintEvent* event) {
    // Each picture pixel becomes a block of whole pixels, also on a scaled screen: never a blur.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QImage& picture = picture_();
    const QRect shown = ToArea(picture.rect());
    const QColor around = filling_ ? letterbox : background_;
    for (const QRect& rect : event->region()) {
        for (const QRect& outside : QRegion(rect).subtracted(shown))
            painter.fillRect(outside, around);
        // Only the picture pixels under the rectangle are drawn, so a step that changed a few
        // cells costs a few cells at any zoom. One more pixel on every side covers the
        // rounding of a scaled screen's device pixels.
        const QRect source = QRect(ToPicture(rect.topLeft()) - QPoint(1, 1),
                                   ToPicture(rect.bottomRight()) + QPoint(1, 1))
                                 .intersected(picture.rect());
        if (!source.isEmpty())
            painter.drawImage(ToArea(source), picture, source);
    }
    if (!frame_.isEmpty()) {
        const QRect outer = ToArea(frame_);
        FillRing(painter, outer, scale_, frameDark);
        FillRing(painter, outer.adjusted(scale_, scale_, -scale_, -scale_), scale_, frameLight);
    }
    if (!mark_.isEmpty()) {
        const QRect mark = MarkRect();
        painter.fillRect(mark, Qt::black);
        painter.setPen(Qt::white);
        painter.drawText(mark, Qt::AlignCenter, mark_);
    }
}

void AppFieldView::SetMark(const QString& mark) {
    if (mark == mark_)
        return;
    update(MarkRect());
    mark_ = mark;
    update(MarkRect());
}

void AppFieldView::SetFrame(const QRect& pictureRect) {
    if (pictureRect == frame_)
        return;
    update(ToArea(frame_));
    frame_ = pictureRect;
    update(ToArea(frame_));
}

QRect AppFieldView::MarkRect() const {
    if (mark_.isEmpty())
        return {};
    const QFontMetrics metrics = fontMetrics();
    return QRect(origin_,
                 QSize(metrics.horizontalAdvance(mark_) + metrics.height(), metrics.height() + 4));
}

AppMouseButton AppFieldView::GameButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return AppMouseButton::Left;
    case Qt::RightButton:
        return AppMouseButton::Right;
    case Qt::MiddleButton:
        return AppMouseButton::Middle;
    default:
        return AppMouseButton::Other;
    }
}
