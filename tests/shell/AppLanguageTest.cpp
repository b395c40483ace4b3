// The program started under the desktop's locale: German texts under a German one, the exact
// English ones under C.
#include "AppLanguage.h"
#include "AppApplication.h"
#include "AppConstants.h"
#include "ModalWatcher.h"
#include "TForm1.h"

#include <QDir>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Captions(const QList<QAction*>& actions) {
    QStringList captions;
    for (const QAction* action : actions)
        if (!action->isSeparator())
            captions << action->text();
    return captions;
}

} // namespace

class AppLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowSpeaksTheDesktopsLanguage() {
        const bool german = QLocale::system().language() == QLocale::German;
        QVERIFY2(german || QLocale::system().language() == QLocale::C,
                 "run with LANG=de_DE.UTF-8 or LANG=C");
        QCOMPARE(AppLanguage::Installed(), german ? QStringLiteral("de") : QString());

        TForm1 form;
        QString status, cancel;
        WhenModalShown([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            status = box->windowTitle() + '|' + box->text();
            box->button(QMessageBox::Ok)->click();
        });
        form.Game_Status_MItem->trigger();
        WhenModalShown([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            cancel = box->button(QMessageBox::Cancel)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        form.Help_Help_MItem->trigger();

        if (german) {
            QCOMPARE(Captions(form.menuBar()->actions()), QStringList({"&Spiel", "&Hilfe"}));
            QCOMPARE(Captions(form.Game_MItem->actions()),
                     QStringList({"&Neu", "&Status", "&Optionen", "&Beenden"}));
            QCOMPARE(Captions(form.Help_MItem->actions()),
                     QStringList({"&Hilfe", "&Tipps", "Ü&ber"}));
            QCOMPARE(status, QStringLiteral("Status|Zustand: Kein Spiel\nPunkte: 0 Pkt.  0 Ph.\n"
                                            "Rekord: 0 Pkt.  0 Ph."));
            QCOMPARE(cancel, QStringLiteral("Abbrechen"));
            QCOMPARE(Constants().platformLine, QStringLiteral("für Linux"));
        } else {
            QCOMPARE(Captions(form.menuBar()->actions()), QStringList({"&Game", "&Help"}));
            QCOMPARE(Captions(form.Game_MItem->actions()),
                     QStringList({"&New", "&Status", "&Options", "E&xit"}));
            QCOMPARE(Captions(form.Help_MItem->actions()),
                     QStringList({"&Help", "&Tips", "&About"}));
            QCOMPARE(Captions(form.PopupMenu1->actions()),
                     QStringList({"&New", "&Status", "&Options"}));
            QCOMPARE(status, QStringLiteral("Status|State: Not Playing\nScore: 0 pt.  0 ph.\n"
                                            "Record: 0 pt.  0 ph."));
            QCOMPARE(cancel, QStringLiteral("Cancel"));
            QCOMPARE(Constants().platformLine, QStringLiteral("for Linux"));
        }
    }

    void theHelpPageIsTheInstalledLanguagesWhenThereIsOne() {
        QTemporaryDir data;
        const QString folder = data.path() + '/';
        QVERIFY(QDir().mkpath(folder + QStringLiteral("help/pt")));
        QFile(folder + QStringLiteral("help/pt/index.html")).open(QIODevice::WriteOnly);
        const QString english = folder + QStringLiteral("help/index.html");

        QCOMPARE(AppLanguage::Install({QStringLiteral("pt-BR")}), QStringLiteral("pt_BR"));
        QCOMPARE(AppLanguage::HelpFile(folder), folder + QStringLiteral("help/pt/index.html"));
        QCOMPARE(AppLanguage::Install({QStringLiteral("ru-RU")}), QStringLiteral("ru"));
        QCOMPARE(AppLanguage::HelpFile(folder), english);
        // English first, or a language without a translation, leaves the program English.
        QCOMPARE(AppLanguage::Install({QStringLiteral("en-GB"), QStringLiteral("de")}), QString());
        QCOMPARE(AppLanguage::Install({QStringLiteral("ja"), QStringLiteral("de-AT")}),
                 QStringLiteral("de"));
        AppLanguage::Install({});
        QCOMPARE(AppLanguage::HelpFile(folder), english);
    }
};

int main(int argc, char** argv) {
    AppApplication app(argc, argv);
    AppLanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AppLanguageTest.moc"
