// Ends the program through its event loop when the system asks it to terminate.
#pragma once

#include <QObject>

#include <csignal>
#include <iterator>
#include <memory>

class QSocketNotifier;

// SIGTERM (a desktop logout), SIGINT (Ctrl+C in a terminal) and SIGHUP (a
// closed terminal) would end the process on the spot and lose what the run
// changed. While an object of this class lives, their handler only writes the
// signal's number into a pipe; the event loop reads it and closes every window
// as the player would: open boxes first (as cancelled), then the main window,
// whose end saves the settings. Once the object is gone (the settings are
// saved), these signals are ignored until the process ends. Only one object
// may live at a time.
class AppTerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit AppTerminationSignals(QObject* parent = nullptr);
    ~AppTerminationSignals() override;

    static constexpr int handled[] = {SIGTERM, SIGINT, SIGHUP};

private:
    void ReadPending();

    int readEnd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};
