// Fits the main window to its screen: the zoom it opens at, the centre kept where it was when
// that size changes, the place it goes back to from maximised or full screen.
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

void AppWindowFit::Fit(int chosen, bool resize) {
    // Sized otherwise than the picture at the zoom it opened at: by the player, or before the
    // first fit by the size kept from the last run.
    const bool sized =
        fitted_ ? window_.size() != OwnSize() : window_.testAttribute(Qt::WA_Resized);
    view_.SetZoom(ShownZoom(chosen));
    if (view_.Filling() || window_.isFullScreen() || window_.isMaximized())
        return;
    const bool keep = sized && !resize;
    // The line under the field wraps at the field's width, so the field takes its width first,
    // also in a window not yet shown, which lays out nothing until it shows; the window's layout
    // puts the field there again.
    view_.resize(keep ? QSize(window_.width(), view_.height()) : view_.sizeHint());
    if (keep)
        return;
    const QRect before = window_.frameGeometry();
    // The least size the layout allows follows the line under the field now, not later.
    window_.centralWidget()->updateGeometry();
    window_.layout()->activate();
    window_.resize(OwnSize());
    fitted_ = true;
    const QScreen* screen = window_.screen();
    if (!window_.isVisible() || screen == nullptr || window_.frameGeometry() == before)
        return;
    QRect frame = window_.frameGeometry();
    frame.moveCenter(before.center());
    const QRect room = screen->availableGeometry();
    frame.moveLeft(std::max(room.left(), std::min(frame.left(), room.right() - frame.width() + 1)));
    frame.moveTop(std::max(room.top(), std::min(frame.top(), room.bottom() - frame.height() + 1)));
    window_.move(frame.topLeft());
}

void AppWindowFit::SetFullScreen(bool fullScreen, int chosen) {
    if (fullScreen && !window_.isMaximized()) {
        normalPlace_ = window_.pos();
        normalClientPlace_ = window_.geometry().topLeft();
        normalSize_ = window_.size();
    }
    // The field asks for no size of its own before the desktop resizes the window.
    LayOutFor(fullScreen, chosen);
    window_.setWindowState(window_.windowState().setFlag(Qt::WindowFullScreen, fullScreen));
    // A window maximised before goes back to maximised, where the desktop puts it.
    if (fullScreen || window_.isMaximized())
        return;
    // The window is no longer full screen, so its resize and move are kept as they happen.
    const QRect normal = NormalGeometry();
    const QPoint clientPlace = normalClientPlace_;
    if (window_.size() != normal.size())
        window_.resize(normal.size());
    window_.move(normal.topLeft());
    // Qt knows no frame yet when the window leaves full screen, so the move places the window
    // inside the frame where the frame was. Where a desktop framed the window, it goes back by
    // its own place, which the desktop frames around whether or not Qt knows the frame yet.
    if (clientPlace != normal.topLeft() && window_.windowHandle() != nullptr)
        window_.windowHandle()->setPosition(clientPlace);
}

void AppWindowFit::LayOutFor(bool fullScreen, int chosen) {
    view_.SetFilling(fullScreen);
    if (!fullScreen)
        view_.SetZoom(ShownZoom(chosen));
}

void AppWindowFit::KeepNormalGeometry() {
    // Until it is shown, the window keeps the geometry it will have when not maximised.
    if (window_.isVisible() &&
        (window_.isMaximized() || window_.isFullScreen() || window_.isMinimized()))
        return;
    normalPlace_ = window_.pos();
    normalClientPlace_ = window_.geometry().topLeft();
    normalSize_ = window_.size();
}

QSize AppWindowFit::OwnSize() const {
    const int below = below_.isVisibleTo(&window_) ? below_.sizeHint().height() : 0;
    return view_.sizeHint() + QSize(0, window_.menuBar()->sizeHint().height() + below);
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
