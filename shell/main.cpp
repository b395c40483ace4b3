// The entry function: makes the constants, creates the three windows and runs the game.
#include "AppApplication.h"
#include "AppCommandLine.h"
#include "AppDisplayGuard.h"
#include "AppOneCopy.h"
#include "AppProgramFolders.h"
#include "AppProgramTexts.h"
#include "AppTerminationSignals.h"
#include "TAboutDialog.h"
#include "TForm1.h"
#include "TOptionsDialog.h"

#include <QFile>
#include <QStandardPaths>

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

// How long a start waits for a running copy to take its file before it runs as a copy of its
// own: a copy that is busy answers well within it, a frozen one never does.
constexpr int handOverWaitMs = 3000;

} // namespace

int main(int argc, char** argv) {
    // Answered before the application object exists, so they need no display.
    if (const std::optional<int> code = AnswerCommandLine(argc, argv))
        return *code;
    // Without a display Qt would abort; the guard makes that one clear line.
    AppDisplayGuard displayGuard;
    AppApplication app(argc, argv);
    displayGuard.Release();
    // A logout, Ctrl+C or a closed terminal closes the windows as Exit does,
    // so the settings are saved and the exit code is 0.
    const AppTerminationSignals terminationSignals;
    try {
        // A start beside a running copy hands its file to that copy, which raises its window,
        // and ends; --new-window starts a copy of its own. Any other argument is taken for a
        // file name. The name is kept as its bytes, as --verify takes it: decoded to text, one
        // that is no UTF-8 would name another file. The application object has taken its own
        // options out.
        bool newWindow = false;
        std::string file;
        for (int i = 1; i < argc; ++i) {
            if (std::string_view(argv[i]) == newWindowOption)
                newWindow = true;
            else if (file.empty())
                file = argv[i];
        }
        AppOneCopy oneCopy(AppOneCopy::SocketPath(
                               QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)),
                           handOverWaitMs);
        if (!newWindow && oneCopy.HandOver(QFile::decodeName(QByteArray::fromStdString(file))))
            return 0;
        ProgramTexts();
        ProgramFolders();
        auto Form1 = std::make_unique<TForm1>();
        // The dialogs belong to the main window, so every desktop places them over it; the
        // window deletes them after its own destructor has saved the settings. They are made,
        // in their order, when a command first opens one, so that they neither delay the
        // window nor take memory in a game that never opens them.
        Form1->SetDialogMaker([form = Form1.get()] {
            auto* OptionsDialog = new TOptionsDialog(form);
            auto* AboutDialog = new TAboutDialog(form);
            form->SetDialogs(OptionsDialog, AboutDialog);
        });
        // A game left in play at the last end opens paused, in place of the title.
        Form1->ResumeSavedGame();
        Form1->show();
        // A replay file named on the command line (as a file manager opens one), or handed
        // over by a later start, is shown in place of the game.
        if (!file.empty())
            Form1->OpenReplay(file);
        oneCopy.SetArrival([form = Form1.get()](const QString& path) {
            form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
            form->raise();
            form->activateWindow();
            if (!path.isEmpty())
                form->OpenReplay(QFile::encodeName(path).toStdString());
        });
        const int code = app.exec();
        Form1.reset();
        return code;
    } catch (const std::exception& error) {
        AppApplication::ShowError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        AppApplication::ShowError(QString());
    }
    return AppApplication::errorExitCode;
}
