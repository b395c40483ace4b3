// Files opened as replays that cannot be shown: each gets the one box that names its fault,
// whichever line of the file the fault lies on, in the player's language.
#include "AppLanguage.h"
#include "TForm1.h"

#include "ModalWatcher.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

class AppReplayOpenerTest : public QObject {
    Q_OBJECT

private slots:
    void aFileThatCannotBeShownGetsTheBoxOfItsFault_data() {
        QFile corpus(QStringLiteral(ZINGAROO_REPLAY_CORPUS "/03-default-abandoned.replay"));
        QVERIFY(corpus.open(QIODevice::ReadOnly));
        const QByteArray replay = corpus.readAll();
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("box");
        const QString named = QStringLiteral("The file \"bad.zingaroo\" ");
        QTest::newRow("junk") << QString() << false << QByteArray("hello\n")
                              << named + "is not a replay of Zingaroo.";
        QTest::newRow("later format")
            << QString() << false
            << QByteArray(replay).replace("zingaroo game 1\n", "zingaroo game 7\n")
            << named + "was written by a later version of Zingaroo and cannot be opened.";
        QTest::newRow("cut short") << QString() << false << replay.left(replay.size() / 2)
                                   << named + "is damaged and cannot be opened.";
        QTest::newRow("a folder, in German")
            << QStringLiteral("de") << true << QByteArray()
            << QStringLiteral("Die Datei „bad.zingaroo“ kann nicht gelesen werden: ein Ordner.");
    }

    void aFileThatCannotBeShownGetsTheBoxOfItsFault() {
        QFETCH(QString, language);
        QFETCH(bool, folder);
        QFETCH(QByteArray, text);
        QFETCH(QString, box);
        QTemporaryDir place;
        const QString path = place.filePath(QStringLiteral("bad.zingaroo"));
        if (folder) {
            QVERIFY(QDir().mkdir(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
        QCOMPARE(AppLanguage::Install({language}), language);
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QString shown;
        WhenModalShown([&shown](QWidget* modal) {
            auto* message = qobject_cast<QMessageBox*>(modal);
            QVERIFY(message);
            shown = message->text();
            message->accept();
        });
        form.OpenReplay(QFile::encodeName(path).toStdString());
        QTRY_VERIFY(!shown.isEmpty());
        AppLanguage::Install({});
        QCOMPARE(shown, box);
    }
};

QTEST_MAIN(AppReplayOpenerTest)
#include "AppReplayOpenerTest.moc"
