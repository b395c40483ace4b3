// Ends the program through its event loop when the system asks it to terminate.
#include "AppTerminationSignals.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t writeEnd = -1;

// Runs in the middle of whatever the program was doing: a write to the pipe
// is all it may safely do. A full pipe already holds a request to end.
void OnSignal(int number) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t ignored = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

} // namespace

AppTerminationSignals::AppTerminationSignals(QObject* parent) : QObject(parent) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readEnd_ = ends[0];
    writeEnd = ends[1];
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this,
            &AppTerminationSignals::ReadPending);
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int number : handled)
        ::sigaction(number, &action, nullptr);
}

AppTerminationSignals::~AppTerminationSignals() {
    if (readEnd_ < 0)
        return;
    // The run's work is saved by now: what remains of the exit must not be cut
    // short by more requests to end, so they are ignored rather than left to
    // the default action, which would kill the process.
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    for (const int number : handled)
        ::sigaction(number, &ignore, nullptr);
    notifier_.reset();
    ::close(writeEnd);
    writeEnd = -1;
    ::close(readEnd_);
}

void AppTerminationSignals::ReadPending() {
    unsigned char bytes[16];
    const ssize_t got = ::read(readEnd_, bytes, sizeof bytes);
    if (got <= 0)
        return;
    QApplication::closeAllWindows();
}
