// The window's client area: the game's picture magnified by the largest whole zoom that fits,
// centred on a plain background where the area is larger, and points of the area mapped back to
// the picture.
#pragma once

#include "AppMouseButton.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>

class AppFieldView : public QWidget {
    Q_OBJECT

public:
    // The picture to show, read at every paint; it belongs to the caller.
    using PictureSource = std::function<const QImage&()>;

    AppFieldView(PictureSource picture, QWidget* parent);

    // The picture's size in its own pixels.
    void SetPictureSize(const QSize& size);
    QSize PictureSize() const { return pictureSize_; }
    // The area asks for the picture at this zoom (1 at least) and for the picture itself at
    // least; whatever size it is given, it shows the picture at the largest whole zoom that
    // fits it, centred on the background.
    void SetZoom(int zoom);
    // Filling the screen, the area asks for no size of its own and its background is black.
    void SetFilling(bool filling);
    bool Filling() const { return filling_; }
    // The background around the picture outside filling: the field's own colour.
    void SetBackground(const QColor& colour);

    QSize sizeHint() const override { return pictureSize_ * zoom_; }
    QSize minimumSizeHint() const override { return filling_ ? QSize(0, 0) : pictureSize_; }

    // Each picture pixel is shown as a Scale() by Scale() block, the picture's top left
    // corner at Origin().
    int Scale() const { return scale_; }
    QPoint Origin() const { return origin_; }

    // Repaints this rectangle of the picture, and nothing else.
    void ShowRect(const QRect& pictureRect);
    // The picture pixel under a point of the area. Points left of or above the picture give
    // negative coordinates, points right of or below it coordinates past its size.
    QPoint ToPicture(const QPoint& point) const;

    // A short text shown over the top left corner of the picture, white on black, at the
    // desktop's font size; none when empty.
    void SetMark(const QString& mark);

    // A frame around this rectangle of the picture (a cell), drawn over the picture and never
    // into it: a dark ring outside and a light one inside, each one picture pixel wide at the
    // zoom, so that one of them stands out on any colour. None when empty.
    void SetFrame(const QRect& pictureRect);
    QRect Frame() const { return frame_; }

    // The game's name for a button pressed over the field.
    static AppMouseButton GameButton(Qt::MouseButton button);
    // The largest whole zoom, 1 at least, at which the picture fits the room.
    static int FittingZoom(const QSize& picture, const QSize& room);
    // The zoom that suits a screen: the largest whole zoom, 1 to `most`, at which the picture
    // with what lies `around` it (a window's frame and menu bar) takes at most three quarters
    // of the `available` width and height.
    static int AutomaticZoom(const QSize& picture, const QSize& around, const QSize& available,
                             int most);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Place();
    QRect ToArea(const QRect& pictureRect) const;
    QRect MarkRect() const;

    PictureSource picture_;
    QSize pictureSize_;
    int zoom_ = 1;
    bool filling_ = false;
    QColor background_ = Qt::black;
    int scale_ = 1;
    QPoint origin_;
    QString mark_;
    QRect frame_;
};
