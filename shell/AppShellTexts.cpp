// The main window's boxes with their longer texts, in the player's language.
#include "AppShellTexts.h"

#include "AppGame.h"
#include "AppMessageBox.h"
#include "AppProgramFolders.h"

#include <QDesktopServices>
#include <QStringList>
#include <QUrl>

namespace {

QString JoinLines(std::initializer_list<QString> lines) {
    QStringList list(lines);
    return list.join(QStringLiteral("\r\n"));
}

} // namespace

QString AppShellTexts::Status(const AppGame& game, bool paused) {
    //: The Status box's first line while a game is paused, worded like "State: %1".
    const QString state = paused ? tr("State: Paused") : QString::fromStdString(game.StateText());
    return JoinLines({state, QString::fromStdString(game.ScoreText()),
                      QString::fromStdString(game.RecordText())});
}

QString AppShellTexts::HelpQuestion() {
    return JoinLines({
        //: Shown before the help page opens, above "Sure?": OK opens it, Cancel does not.
        tr("Opening HTML help file."),
        QString(),
        //: Asks whether to go on with the action named in the line above.
        tr("Sure?"),
    });
}

QString AppShellTexts::Tips() {
    return JoinLines({
        tr("[Control]"),
        //: Point the mouse at a cell of the field.
        tr("Mouse: Point the field."),
        //: Instructions, in the same mood as the line above: a key puts a paddle in the
        //: pointed cell or shoves the obstacle there.
        tr("Keyboard: Put a paddle. Move an obstacle."),
        QString(),
        tr("[Key Sets]"),
        //: The letters name keys and stay as they are.
        tr("Set 1: W, R, S, F"),
        //: The letters name keys and stay as they are.
        tr("Set 2: U, O, J, L"),
        //: The arrow keys.
        tr("Set 3: Left, Right"),
        QString(),
        tr("[Score]"),
        tr("Point: 1 point for 1 bounce."),
        //: A phase is won by clearing every fresh paddle from the field.
        tr("Phase: 1 phase for all paddles in the field."),
    });
}

QString AppShellTexts::ClearRecordQuestion() {
    return JoinLines({
        //: Shown before the record is cleared, above "Sure?": OK clears it, Cancel keeps it.
        tr("Clearing the record."),
        QString(),
        //: Asks whether to go on with the action named in the line above.
        tr("Sure?"),
    });
}

AppGameTexts AppShellTexts::GameTexts() {
    AppGameTexts texts;
    for (std::string* text : texts.All())
        *text = QCoreApplication::translate("AppGame", text->c_str()).toStdString();
    return texts;
}

void AppShellTexts::ShowStatus(QWidget* window, const AppGame& game, bool paused) {
    //: The title of the box the Status command shows: the same word as the menu item.
    AppMessageBox::Show(Status(game, paused), tr("Status"), AppMessageBox::mbIconInformation,
                        window);
}

void AppShellTexts::OfferHelp(QWidget* window) {
    if (AppMessageBox::Show(HelpQuestion(), tr("Help"),
                            AppMessageBox::mbIconQuestion | AppMessageBox::mbOkCancel,
                            window) == AppMessageBox::idOk)
        QDesktopServices::openUrl(QUrl::fromLocalFile(ProgramFolders().helpFile));
}

void AppShellTexts::ShowTips(QWidget* window) {
    AppMessageBox::Show(Tips(), tr("Tips"), AppMessageBox::mbIconInformation, window);
}

bool AppShellTexts::ConfirmClearRecord(QWidget* window) {
    return AppMessageBox::Show(ClearRecordQuestion(), tr("Confirmation"),
                               AppMessageBox::mbIconInformation | AppMessageBox::mbOkCancel,
                               window) == AppMessageBox::idOk;
}
