// The main window's sound as the player meets it: nothing of it before the window shows,
// nothing at all with sound off, and the start sound of a game started at once still heard.
#include "AppGamepad.h"
#include "AppGamepadTestPeer.h"
#include "AppProgramFolders.h"
#include "AppSdlLibrary.h"
#include "AppSound.h"
#include "AppSoundMixer.h"
#include "DiskAudioOutput.h"
#include "SoundTestFolder.h"
#include "TForm1.h"
#include "TForm1TestPeer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

constexpr std::int16_t startLevel = 1200;
constexpr int startFrames = AppSoundMixer::frequency / 10;

void WriteFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(contents), contents.size());
}

bool Heard(const DiskAudioOutput& output) {
    const std::vector<std::int16_t> levels = output.Levels();
    return std::any_of(levels.begin(), levels.end(), [](std::int16_t level) { return level != 0; });
}

} // namespace

class TForm1SoundTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TForm1> form;

    // Sounds beside the program, each one constant level, and the PlaySound option.
    static void Prepare(bool playSound) {
        QDir().mkpath(ProgramFolders().soundFolder);
        const QByteArray start = SoundTestFolder::ConstantWave(
            AppSoundMixer::frequency, AppSoundMixer::channels, startFrames, startLevel);
        for (const char* name : {"start.wav", "bounce.wav", "clear.wav"})
            WriteFile(ProgramFolders().soundFolder + QLatin1String(name), start);
        WriteFile(ProgramFolders().exeFolder + QStringLiteral("settings.ini"),
                  playSound ? "[Settings]\nSystemOptions=1,0,1,1\n"
                            : "[Settings]\nSystemOptions=0,0,1,1\n");
    }

    void NewGame() { form->findChild<QAction*>(QStringLiteral("Game_New_MItem"))->trigger(); }

    void ShowForm() {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

private slots:
    void cleanup() { form.reset(); }

    // First: the process has not loaded the library for any other case yet.
    void soundOffOpensNoOutputAndLoadsNoLibrary() {
        Prepare(false);
        const DiskAudioOutput output(ProgramFolders().exeFolder + QStringLiteral("off.raw"));
        form = std::make_unique<TForm1>();
        ShowForm();
        NewGame();
        QTest::qWait(300);
        // Unless a pad plugged into this machine has loaded it.
        QVERIFY(AppGamepadTestPeer::SdlStarted(TForm1TestPeer::Gamepad(*form)) ||
                !AppSdlLibrary::IsLoaded());
        QVERIFY2(!QFile::exists(ProgramFolders().exeFolder + QStringLiteral("off.raw")),
                 "the disk driver writes its file as soon as an output opens");

        // Switched on, the output starts at once and the next game is heard.
        AppSystemOptions options = form->SystemOptions();
        options.PlaySound = true;
        form->ApplySystemOptions(options);
        TForm1TestPeer::Sound(*form).WaitForOutput();
        QVERIFY(AppSdlLibrary::IsLoaded());
        NewGame();
        QVERIFY(output.WaitForLevel(0, [](std::int16_t level) { return level == startLevel; }) >=
                0);
    }

    // The game starts before the window shows, so its start sound is asked for long before
    // the output is ready: it is heard all the same, whole.
    void startSoundOfAGameStartedAtOnceIsHeardWhole() {
        Prepare(true);
        const DiskAudioOutput output(ProgramFolders().exeFolder + QStringLiteral("on.raw"));
        form = std::make_unique<TForm1>();
        NewGame();
        ShowForm();
        // The output starts from the event loop, once the window has been painted.
        QTRY_VERIFY_WITH_TIMEOUT(Heard(output), 20000);
        const long first = output.WaitForLevel(0, [](std::int16_t level) { return level != 0; });
        QVERIFY(output.WaitForFrames(std::size_t(first) + startFrames + startFrames / 2));
        const std::vector<std::int16_t> levels = output.Levels();
        QCOMPARE(levels[std::size_t(first)], startLevel);
        QCOMPARE(std::count(levels.begin(), levels.end(), startLevel), startFrames);
    }
};

QTEST_MAIN(TForm1SoundTest)
#include "TForm1SoundTest.moc"
