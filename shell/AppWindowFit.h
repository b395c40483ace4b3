// Fits the main window to its screen: the zoom its picture is shown at, its centre kept where
// it was when its size changes, and full screen left for the place it was entered from.
#pragma once

#include <QPoint>
#include <QSize>

class AppFieldView;
class QMainWindow;
class QWidget;

class AppWindowFit {
public:
    // All outlive the fit; `below` is what may stand under the field, when it is shown.
    AppWindowFit(QMainWindow& window, AppFieldView& view, const QWidget& below)
        : window_(window), view_(view), below_(below) {}

    // The zoom shown for a chosen one on the window's screen: the chosen zoom, or the largest
    // below it with which the window fits; for Automatic, the zoom that suits the screen.
    int ShownZoom(int chosen) const;
    // The picture takes the zoom shown for `chosen`; a shown window that changes size keeps
    // its centre, inside its screen's available area.
    void Fit(int chosen);
    // Fills the screen with the field at the largest zoom that fits, or goes back to the
    // window sized to the picture at the zoom shown for `chosen`, in the place it left.
    void SetFullScreen(bool fullScreen, int chosen);
    // The window's layout for a window sized to the picture, or for one filling the screen.
    void LayOutFor(bool fullScreen, int chosen);
    // The frame's place the window goes back to from full screen.
    QPoint NormalPlace() const { return normalPlace_; }

private:
    // The window's frame (known once it is shown), its menu bar and what stands under the
    // field.
    QSize AroundField() const;
    QSize RoomOnScreen() const;

    QMainWindow& window_;
    AppFieldView& view_;
    const QWidget& below_;
    // Where the frame and the window inside it were when full screen was entered.
    QPoint normalPlace_;
    QPoint normalClientPlace_;
};
