// Opens replay files named on the command line or dropped on the main window.
#pragma once

#include <QObject>
#include <QString>

#include <string>

class AppReplayShow;
class QWidget;

// A file that reads as a replay of these rules is shown in place of the game, as Watch in the
// Scores dialog shows one; any other file gives one box naming why, and nothing changes. The
// file is only ever read.
class AppReplayOpener : public QObject {
    Q_OBJECT

public:
    // Takes the files dropped on `window`, which owns the opener and outlives `show`'s use.
    AppReplayOpener(AppReplayShow& show, QWidget& window);

    // Opens the file once the events waiting now are handled, so that its box, if any,
    // opens over a window that is on the screen and holds no drag. The path is as the system
    // spells it, so that a name that is no text in the locale's encoding opens too.
    void Open(const std::string& localPath);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenNow(const std::string& localPath);
    // Why the file's text cannot be shown, for the box; empty when it can. `reason` takes
    // the reader's own words for the log.
    static QString Refusal(const std::string& text, const QString& name, std::string& reason);

    AppReplayShow& show_;
    QWidget& window_;
};
