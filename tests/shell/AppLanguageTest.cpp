// The program started under the desktop's locale: German under a German one, its exact
// English under C.
#include "AppLanguage.h"
#include "AppApplication.h"
#include "AppProgramTexts.h"
#include "ModalWatcher.h"
#include "TAboutDialog.h"
#include "TForm1.h"
#include "TForm1TestPeer.h"

#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class AppLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowSpeaksTheDesktopsLanguage() {
        const bool german = QLocale::system().language() == QLocale::German;
        QVERIFY2(german || QLocale::system().language() == QLocale::C, "needs LANG=de_DE or C");
        TForm1 form;
        QStringList shown;
        for (const char* name : {"Game_MItem", "Help_MItem"})
            for (const QAction* action : form.findChild<QMenu*>(QLatin1String(name))->actions())
                shown << action->text();
        WhenModalShown([&shown](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            shown << box->text() << box->button(QMessageBox::Cancel)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        AppSystemOptions clear = form.SystemOptions();
        clear.ClearRecordNow = true;
        form.ApplySystemOptions(clear);
        shown << QString::fromStdString(TForm1TestPeer::Game(form).StateText())
              << TAboutDialog::AboutText(ProgramTexts())
              << AppLanguage::HelpFile(QStringLiteral(ZINGAROO_BUILT_DATA "/")).section('/', -2);
        const QString version = QLatin1String(AppApplication::Version());
        if (german)
            QCOMPARE(shown, QStringList({"&Neu",
                                         "Neues Spiel mit N&ummer…",
                                         "&Heutiges Spiel",
                                         "&Pause",
                                         "Spielnummer &kopieren",
                                         "",
                                         "&Status",
                                         "Besten&liste",
                                         "&Vollbild",
                                         "&Optionen",
                                         "",
                                         "&Beenden",
                                         "&Hilfe",
                                         "&Tipps",
                                         "",
                                         "Ü&ber Zingaroo",
                                         "Der Rekord wird gelöscht.\n\nSicher?",
                                         "Abbrechen",
                                         "Status: Kein Spiel",
                                         "Zingaroo für Linux, Version " + version +
                                             ". Copyright (C) 2026 die Zingaroo-Entwickler",
                                         "de/index.html"}));
        else
            QCOMPARE(shown, QStringList({"&New",
                                         "New N&umbered Game…",
                                         "&Today's Game",
                                         "&Pause",
                                         "Cop&y Game Number",
                                         "",
                                         "&Status",
                                         "S&cores",
                                         "&Full Screen",
                                         "&Options",
                                         "",
                                         "E&xit",
                                         "&Help",
                                         "&Tips",
                                         "",
                                         "&About",
                                         "Clearing the record.\n\nSure?",
                                         "Cancel",
                                         "State: Not Playing",
                                         "Zingaroo for Linux Version " + version +
                                             ". Copyright (C) 2026 The Zingaroo developers",
                                         "help/index.html"}));
    }

    void englishFirstOrNoTranslationLeavesTheProgramEnglish() {
        QCOMPARE(AppLanguage::Install({"en-GB", "de"}), QString());
        QCOMPARE(AppLanguage::Install({"ko", "de-AT"}), QStringLiteral("de"));
        QCOMPARE(AppLanguage::Install({"pt-BR", "pt"}), QStringLiteral("pt_BR"));
        // Simplified Chinese is found from the script-tagged name a desktop gives first;
        // Traditional Chinese is not served Simplified.
        QCOMPARE(AppLanguage::Install({"zh-Hans-CN", "zh-CN", "zh-Hans", "zh"}),
                 QStringLiteral("zh_CN"));
        QCOMPARE(AppLanguage::Install({"zh-Hant-TW", "zh-TW", "zh-Hant", "zh"}), QString());
        QCOMPARE(AppLanguage::Install({"C"}), QString());
    }
};

int main(int argc, char** argv) {
    AppApplication app(argc, argv);
    AppLanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AppLanguageTest.moc"
