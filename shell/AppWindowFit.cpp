// Fits the main window to its screen: the zoom its picture is shown at, and its centre kept
// where it was when its size changes.
#include "AppWindowFit.h"

#include "AppDisplayOptions.h"
#include "AppFieldView.h"

#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <algorithm>

int AppWindowFit::ShownZoom(int chosen) const {
    const QSize picture = view_.PictureSize();
    const int fitting = AppFieldView::FittingZoom(picture, RoomOnScreen());
    if (chosen != AppDisplayOptions::zoomAutomatic)
        return std::min(chosen, fitting);
    const QScreen* screen = window_.screen();
    if (screen == nullptr)
        return 1;
    return std::min(fitting, AppFieldView::AutomaticZoom(picture, AroundField(),
                                                         screen->availableGeometry().size(),
                                                         AppDisplayOptions::zoomMost));
}

void AppWindowFit::Fit(int chosen) {
    view_.SetZoom(ShownZoom(chosen));
    if (view_.Filling())
        return;
    const QRect before = window_.frameGeometry();
    // The window's layout takes the field's new size through the column around it now.
    window_.centralWidget()->updateGeometry();
    window_.adjustSize();
    const QScreen* screen = window_.screen();
    if (!window_.isVisible() || window_.isFullScreen() || screen == nullptr ||
        window_.frameGeometry() == before)
        return;
    QRect frame = window_.frameGeometry();
    frame.moveCenter(before.center());
    const QRect room = screen->availableGeometry();
    frame.moveLeft(std::max(room.left(), std::min(frame.left(), room.right() - frame.width() + 1)));
    frame.moveTop(std::max(room.top(), std::min(frame.top(), room.bottom() - frame.height() + 1)));
    window_.move(frame.topLeft());
}

void AppWindowFit::SetFullScreen(bool fullScreen, int chosen) {
    if (fullScreen) {
        normalPlace_ = window_.pos();
        normalClientPlace_ = window_.geometry().topLeft();
    }
    // The layout lets go of the window's size before the desktop resizes it.
    LayOutFor(fullScreen, chosen);
    window_.setWindowState(window_.windowState().setFlag(Qt::WindowFullScreen, fullScreen));
    if (fullScreen)
        return;
    window_.move(normalPlace_);
    // Qt knows no frame yet when the window leaves full screen, so the move places the window
    // inside the frame where the frame was. Where a desktop framed the window, it goes back by
    // its own place, which the desktop frames around whether or not Qt knows the frame yet.
    if (normalClientPlace_ != normalPlace_ && window_.windowHandle() != nullptr)
        window_.windowHandle()->setPosition(normalClientPlace_);
}

void AppWindowFit::LayOutFor(bool fullScreen, int chosen) {
    view_.SetFilling(fullScreen);
    if (fullScreen) {
        window_.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        window_.setMinimumSize(0, 0);
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        window_.layout()->setSizeConstraint(QLayout::SetFixedSize);
        Fit(chosen);
    }
}

QSize AppWindowFit::AroundField() const {
    const int below = below_.isVisibleTo(&window_) ? below_.sizeHint().height() : 0;
    return window_.frameGeometry().size() - window_.geometry().size() +
           QSize(0, window_.menuBar()->sizeHint().height() + below);
}

QSize AppWindowFit::RoomOnScreen() const {
    const QScreen* screen = window_.screen();
    if (screen == nullptr)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    return screen->availableGeometry().size() - AroundField();
}
