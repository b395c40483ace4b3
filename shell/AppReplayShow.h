// A replay shown in the main window: its start from a game file, its keys, its mark and its end.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

class AppPlaySession;
class QWidget;

class AppReplayShow {
    // The texts are translated as the main window's own.
    Q_DECLARE_TR_FUNCTIONS(TForm1)

public:
    // The session and the widgets outlive the show; boxes open over `window`.
    AppReplayShow(AppPlaySession& session, QWidget& window, QWidget& view)
        : session_(session), window_(window), view_(view) {}

    // Plays a replay (a game file's text) in place of the game.
    void Watch(const std::string& replay);
    // The session's replay came to its end, which stays two seconds before the title, or
    // stopped short, which a box tells.
    void Stopped();
    // The speed keys 1, 2 and 4, and Escape; false for a key a replay ignores.
    bool Key(int qtKey);
    // "Replay ×N", shown on the picture and in the title.
    QString Mark() const;

private:
    AppPlaySession& session_;
    QWidget& window_;
    QWidget& view_;
    // Counts the replays started, so that a late end of one never ends the next.
    int replays_ = 0;
};
