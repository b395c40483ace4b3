// Acts on the next modal box or dialog once it is open, from inside its own event loop.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Polls for an active modal widget and runs the action on it once. The
// action runs inside the box's loop, so it can look at the game while the
// box is open and then close the box.
inline void WhenModalShown(std::function<void(QWidget*)> action, int delayMs = 0) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action, delayMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        QTimer::singleShot(delayMs, modal, [modal, action] { action(modal); });
    });
    timer->start();
}
