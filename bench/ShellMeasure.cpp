// Measures the running program offscreen: start-up to the first painted title, idle CPU on the
// title and while playing, the step period's error, and peak memory.
#include "AppCell.h"
#include "TForm1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>

#include <sys/resource.h>
#include <unistd.h>

#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Reports the first paint of a widget.
class FirstPaint : public QObject {
public:
    qint64 atNs = -1;
    QElapsedTimer* clock = nullptr;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && atNs < 0)
            atNs = clock->nsecsElapsed();
        return false;
    }
};

// Milliseconds since this process was started, read from the kernel's record
// of its start (in clock ticks, usually 10 ms each).
double MsSinceProcessStart() {
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // Field 22, counted after the command name, which is in parentheses.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    const double startTicks = std::stod(field);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1e3 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1e3 / sysconf(_SC_CLK_TCK);
}

// Runs the event loop for a while and returns the share of one core used.
double CpuShare(int seconds) {
    const double before = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(seconds * 1000);
    return (CpuSeconds() - before) / (wall.nsecsElapsed() / 1e9);
}

// Keeps the ball running across the field: with its row empty it never meets
// anything (obstacles from wrapping land off its row), and a fresh paddle far
// away keeps the phase from clearing.
void KeepBallRunning(TForm1& form) {
    AppGame& game = form.Game();
    AppField& field = game.Field();
    for (int x = 0; x < field.Width(); ++x)
        for (int y = 0; y < field.Height(); ++y)
            if (field.GetCell(x, y, layerGround) == cellObstacle ||
                field.GetCell(x, y, layerGround) == cellSweeper)
                field.SetCell(x, y, layerGround, cellEmpty);
    for (int x = 0; x < field.Width(); ++x)
        field.SetCell(x, game.ball.y, layerGround, cellEmpty);
    field.SetCell(0, (game.ball.y + 5) % field.Height(), layerGround, cellPaddleBack);
    game.ball.dx = 1;
    game.ball.dy = 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;

    QElapsedTimer clock;
    clock.start();
    TForm1 form;
    FirstPaint firstPaint;
    firstPaint.clock = &clock;
    form.ClientArea()->installEventFilter(&firstPaint);
    form.show();
    while (firstPaint.atNs < 0 && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double sinceStart = MsSinceProcessStart();
    std::printf("start-up to first painted title: %.1f ms from the main window's construction, "
                "%.0f ms from the process start (%ld ms resolution)\n",
                firstPaint.atNs / 1e6, sinceStart - (clock.nsecsElapsed() - firstPaint.atNs) / 1e6,
                1000 / sysconf(_SC_CLK_TCK));

    std::printf("idle CPU on the title over %d s: %.2f %% of one core\n", seconds,
                100 * CpuShare(seconds));

    QTest::mouseClick(form.ClientArea(), Qt::LeftButton);
    QTest::mouseClick(form.ClientArea(), Qt::LeftButton);
    KeepBallRunning(form);

    std::vector<double> stepsMs;
    QObject::connect(&form, &TForm1::PeriodEnded,
                     [&] { stepsMs.push_back(clock.nsecsElapsed() / 1e6); });
    std::printf("CPU while playing at Speed %d over %d s: %.2f %% of one core\n",
                form.Game().PlayOptions().Speed, seconds, 100 * CpuShare(seconds));

    const double speed = form.Game().PlayOptions().Speed;
    double sum = 0;
    double worst = 0;
    double earliest = 1e9;
    for (std::size_t i = 1; i < stepsMs.size(); ++i) {
        const double error = stepsMs[i] - stepsMs[i - 1] - speed;
        sum += error;
        worst = std::max(worst, error);
        earliest = std::min(earliest, error);
    }
    const std::size_t periods = stepsMs.size() > 1 ? stepsMs.size() - 1 : 0;
    std::printf("step period (wait end to wait end) over %zu periods: mean error %+.3f ms, max "
                "%+.3f ms, min %+.3f ms\n",
                periods, periods ? sum / periods : 0.0, worst, earliest);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory (max RSS): %.1f MiB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
