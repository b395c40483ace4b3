// The entry function: makes the constants, creates the three windows and runs the game.
#include "AppApplication.h"
#include "AppCommandLine.h"
#include "AppDisplayGuard.h"
#include "AppProgramFolders.h"
#include "AppProgramTexts.h"
#include "AppTerminationSignals.h"
#include "TAboutDialog.h"
#include "TForm1.h"
#include "TOptionsDialog.h"

#include <exception>
#include <memory>
#include <optional>

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
        // A replay file named on the command line (as a file manager opens one) is shown
        // in place of the game; any other argument is taken for a file name too. The name is
        // taken as its bytes, as --verify takes it: decoded to text, one that is no UTF-8
        // would name another file. The application object has taken its own options out.
        if (argc > 1)
            Form1->OpenReplay(argv[1]);
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
