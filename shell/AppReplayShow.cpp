// A replay shown in the main window: its start from a game file, its keys, its mark and its end.
#include "AppReplayShow.h"

#include "AppGameFile.h"
#include "AppLog.h"
#include "AppMessageBox.h"
#include "AppPlaySession.h"

#include <QTimer>
#include <QWidget>

namespace {

// How long the last picture of a replay that came to its end stays before the title.
constexpr int replayEndMs = 2000;

void WriteGameLine(const std::string& line) {
    static const AppLog::Report write = AppLog::Writer(gameLog);
    write(line);
}

} // namespace

void AppReplayShow::Watch(const std::string& replay) {
    std::string reason;
    const std::optional<AppGameRecord> record = AppGameFile::ReadRecord(replay, reason);
    if (!record) {
        WriteGameLine("The replay was not shown: " + reason);
        AppMessageBox::Show(tr("The replay went otherwise than recorded, so it was stopped."),
                            tr("Replay"), AppMessageBox::mbIconWarning, &window_);
        return;
    }
    ++replays_;
    session_.Watch(*record);
    view_.update();
}

void AppReplayShow::Stopped() {
    const AppReplay* replay = session_.Replay();
    if (!replay)
        return;
    const int which = replays_;
    if (replay->Finished()) {
        QTimer::singleShot(replayEndMs, &window_, [this, which] {
            if (which == replays_ && session_.Replaying())
                session_.EndReplay();
        });
        return;
    }
    WriteGameLine("The replay stopped: " + replay->Reason());
    const QString text = replay->Recorded().rulesVersion != appRulesVersion
                             ? tr("This replay was recorded under other rules and cannot be shown.")
                             : tr("The replay went otherwise than recorded, so it was stopped.");
    // Out of the step that stopped it.
    QTimer::singleShot(0, &window_, [this, which, text] {
        if (which != replays_ || !session_.Replaying())
            return;
        AppMessageBox::Show(text, tr("Replay"), AppMessageBox::mbIconWarning, &window_);
        if (which == replays_)
            session_.EndReplay();
    });
}

bool AppReplayShow::Key(int qtKey) {
    switch (qtKey) {
    case Qt::Key_1:
        session_.SetReplaySpeed(1);
        return true;
    case Qt::Key_2:
        session_.SetReplaySpeed(2);
        return true;
    case Qt::Key_4:
        session_.SetReplaySpeed(4);
        return true;
    case Qt::Key_Escape:
        session_.EndReplay();
        return true;
    default:
        return false;
    }
}

QString AppReplayShow::Mark() const {
    //: Shown on the picture and in the window's title while a game is played back; %1 is
    //: its speed (1, 2 or 4: the keys 1, 2 and 4 choose it).
    return tr("Replay ×%1").arg(session_.ReplaySpeed());
}
