// Opens replay files named on the command line or dropped on the main window.
#include "AppReplayOpener.h"

#include "AppGameFile.h"
#include "AppLog.h"
#include "AppMessageBox.h"
#include "AppProgramTexts.h"
#include "AppReplayCheck.h"
#include "AppReplayShow.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <string_view>

namespace {

// The one local file a drag carries, or an empty text.
QString DraggedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

// The reader's reason without the "line N: " it puts before a fault within the file, so that
// the fault's kind can be told whichever line it lies on.
std::string_view Fault(std::string_view reason) {
    if (!reason.starts_with("line "))
        return reason;
    const std::size_t colon = reason.find(": ");
    return colon == std::string_view::npos ? reason : reason.substr(colon + 2);
}

// Why the file cannot be read, in the player's language: the reader's fixed words translated,
// the system's own message as the system's locale words it.
QString Spoken(const std::string& reason) {
    if (reason == AppReplayCheck::folder)
        //: Why a replay file cannot be read: it is a folder.
        return QCoreApplication::translate("AppReplayOpener", "a folder");
    if (reason == AppReplayCheck::notRegularFile)
        //: Why a replay file cannot be read: it is a device, a pipe or the like.
        return QCoreApplication::translate("AppReplayOpener", "not a regular file");
    return QString::fromLocal8Bit(reason.c_str());
}

} // namespace

AppReplayOpener::AppReplayOpener(AppReplayShow& show, QWidget& window)
    : QObject(&window), show_(show), window_(window) {
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
}

void AppReplayOpener::Open(const std::string& localPath) {
    QTimer::singleShot(0, this, [this, localPath] { OpenNow(localPath); });
}

bool AppReplayOpener::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || (event->type() != QEvent::DragEnter &&
                                event->type() != QEvent::DragMove && event->type() != QEvent::Drop))
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DraggedFile(drop->mimeData());
    if (path.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        Open(QFile::encodeName(path).toStdString());
    return true;
}

void AppReplayOpener::OpenNow(const std::string& localPath) {
    const QString name =
        QFile::decodeName(QByteArray::fromStdString(localPath.substr(localPath.rfind('/') + 1)));
    std::string reason;
    const std::optional<std::string> text = AppReplayCheck::ReadFile(localPath, reason);
    //: The box over a replay file that cannot be opened: %1 is the file's name, %2 why not
    //: (as the system words it).
    const QString refusal =
        text ? Refusal(*text, name, reason)
             : tr("The file \"%1\" cannot be read: %2.").arg(name, Spoken(reason));
    if (refusal.isEmpty()) {
        show_.Watch(*text);
        return;
    }
    static const AppLog::Report writeGameLine = AppLog::Writer(gameLog);
    writeGameLine("The file " + localPath + " was not opened: " + reason);
    AppMessageBox::Show(refusal, tr("Replay"), AppMessageBox::mbIconWarning, &window_);
}

QString AppReplayOpener::Refusal(const std::string& text, const QString& name,
                                 std::string& reason) {
    const QString product = ProgramTexts().productName;
    const std::optional<AppGameRecord> record = AppGameFile::ReadRecord(text, reason);
    if (record && record->rulesVersion != appRulesVersion) {
        reason = "other rules version " + std::to_string(record->rulesVersion);
        return tr("This replay was recorded under other rules and cannot be shown.");
    }
    if (record)
        return {};
    const std::string_view fault = Fault(reason);
    if (fault.starts_with("a later version"))
        //: %1 is the file's name, %2 the program's name.
        return tr("The file \"%1\" was written by a later version of %2 and cannot be opened.")
            .arg(name, product);
    if (text.empty() || fault == "not a game file" || fault.starts_with("a saved game"))
        //: %1 is the file's name, %2 the program's name.
        return tr("The file \"%1\" is not a replay of %2.").arg(name, product);
    //: %1 is the file's name.
    return tr("The file \"%1\" is damaged and cannot be opened.").arg(name);
}
