// Fits the main window to its screen: the zoom it opens at, the centre kept where it was when
// that size changes, the place it goes back to from maximised or full screen.
#pragma once

#include <QPoint>
#include <QRect>
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
    // The window's own size becomes the picture at the zoom shown for `chosen`. A window at
    // its own size takes the new one, and so does any with `resize` (a new zoom chosen, the line
    // under the field shown or hidden, a field of another size); a window the player sized keeps
    // its size. A shown window that changes size keeps its centre, inside its screen's
    // available area.
    void Fit(int chosen, bool resize);
    // Fills the screen with the field at the largest zoom that fits, or goes back to the
    // window in the place and at the size it left.
    void SetFullScreen(bool fullScreen, int chosen);
    // The window's layout for a window, or for one filling the screen.
    void LayOutFor(bool fullScreen, int chosen);
    // The window moved or changed size: while it is neither maximised nor full screen, its
    // frame's place and its size are the ones it goes back to.
    void KeepNormalGeometry();
    // The frame's place and the window's size it goes back to from maximised or full screen.
    QRect NormalGeometry() const { return {normalPlace_, normalSize_}; }

private:
    // The window's frame (known once it is shown), its menu bar and what stands under the
    // field.
    QSize AroundField() const;
    QSize RoomOnScreen() const;

    QMainWindow& window_;
    AppFieldView& view_;
    const QWidget& below_;
    // The window's size for the picture at the zoom it opens at, with the menu bar and what
    // stands under the field.
    QSize OwnSize() const;

    // Whether a fit has given the window its size yet.
    bool fitted_ = false;
    // Where the frame and the window inside it were, and the window's size, when last neither
    // maximised nor full screen.
    QPoint normalPlace_;
    QPoint normalClientPlace_;
    QSize normalSize_;
};
