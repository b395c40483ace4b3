// The picture at every zoom, look, window size and in full screen: each pixel a whole block, the
// pointer mapped back to the cell under it, and the window back in its place after maximised and
// full screen.
#include "AppCell.h"
#include "AppProgramFolders.h"
#include "AppRenderer.h"
#include "ModalWatcher.h"
#include "TForm1.h"
#include "TForm1TestPeer.h"
#include "TOptionsDialog.h"

#include <QComboBox>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <utility>

class TForm1ZoomTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TForm1> form;
    QPoint pointer;

    AppGame& game() { return TForm1TestPeer::Game(*form); }
    AppFieldView& view() { return *form->ClientArea(); }

    void start() {
        form = std::make_unique<TForm1>();
        form->SetPointerSource([this] { return std::optional<QPoint>(pointer); });
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    // A game whose ball moves but never steps on its own, and a sprite in every cell.
    void startStillGameFullOfSprites() {
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QTest::mouseClick(form->ClientArea(), Qt::LeftButton);
        QVERIFY(!game().ball.IsStanding());
        TForm1TestPeer::SetStepClock(*form, [] { return std::chrono::nanoseconds(0); });
        AppField& field = game().Field();
        for (int x = 0; x < field.Width(); ++x)
            for (int y = 0; y < field.Height(); ++y)
                field.SetCell(x, y, layerGround, cellPaddleBack + (x + y) % 5);
        TForm1TestPeer::Renderer(*form).PaintCells(true);
    }

    void applyZoom(int zoom, int look = AppDisplayOptions::lookClassic) {
        AppDisplayOptions display;
        display.Zoom = zoom;
        display.Look = look;
        form->ApplyDisplayOptions(display);
    }

    // The shown area, pixel for pixel, is the picture with each pixel a block of the view's
    // scale, from the view's origin on.
    void verifyShownIsPictureMagnified() {
        const QImage shown = view().grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage& picture = TForm1TestPeer::Renderer(*form).Picture();
        const int k = view().Scale();
        const QPoint origin = view().Origin();
        QCOMPARE(shown.size(), view().size());
        for (int y = 0; y < picture.height() * k; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(shown.constScanLine(origin.y() + y));
            const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y / k));
            for (int x = 0; x < picture.width() * k; ++x)
                if (row[origin.x() + x] != source[x / k])
                    QFAIL(
                        qPrintable(QStringLiteral("pixel %1, %2 at zoom %3").arg(x).arg(y).arg(k)));
        }
    }

    // The W key with the pointer at a point of the client area: the cell that got the paddle,
    // or (-1, -1) when none did.
    QPoint paddleDroppedAt(const QPoint& point) {
        AppField& field = game().Field();
        for (int x = 0; x < field.Width(); ++x)
            for (int y = 0; y < field.Height(); ++y)
                field.SetCell(x, y, layerGround, cellEmpty);
        pointer = view().mapToGlobal(point);
        QTest::keyClick(form->ClientArea(), Qt::Key_W);
        for (int x = 0; x < field.Width(); ++x)
            for (int y = 0; y < field.Height(); ++y)
                if (field.GetCell(x, y, layerGround) == cellPaddleSlash)
                    return {x, y};
        return {-1, -1};
    }

    // Both corner pixels of the first, an inner and the last cell drop the paddle in that
    // cell; the pixels just outside the field drop none.
    void verifyPointerFindsCells() {
        const int k = view().Scale();
        const QPoint origin = view().Origin();
        const QSize cell(game().ViewOptions().CharWidth * k, game().ViewOptions().CharHeight * k);
        const AppField& field = game().Field();
        for (const QPoint at :
             {QPoint(0, 0), QPoint(7, 5), QPoint(field.Width() - 1, field.Height() - 1)}) {
            const QPoint topLeft = origin + QPoint(at.x() * cell.width(), at.y() * cell.height());
            QCOMPARE(paddleDroppedAt(topLeft), at);
            QCOMPARE(paddleDroppedAt(topLeft + QPoint(cell.width() - 1, cell.height() - 1)), at);
        }
        const QPoint end =
            origin + QPoint(field.Width() * cell.width(), field.Height() * cell.height());
        for (const QPoint outside : {origin - QPoint(1, 0), origin - QPoint(0, 1), end,
                                     end - QPoint(1, 0), end - QPoint(0, 1)})
            QCOMPARE(paddleDroppedAt(outside), QPoint(-1, -1));
    }

private slots:
    void init() {
        QFile::remove(ProgramFolders().exeFolder + QStringLiteral("settings.ini"));
        start();
    }

    void cleanup() { form.reset(); }

    void everyZoomAndLookShowsWholeBlocksAndFindsTheCellUnderThePointer() {
        startStillGameFullOfSprites();
        const QSize picture = TForm1TestPeer::Renderer(*form).FieldRect().size();
        for (int look = 0; look <= int(AppLookKind::HighContrast); ++look)
            for (int zoom = 1; zoom <= 4; ++zoom) {
                applyZoom(zoom, look);
                QCOMPARE(form->Look(), AppLookKind(look));
                QCOMPARE(view().Scale(), zoom);
                QCOMPARE(view().size(), picture * zoom);
                verifyShownIsPictureMagnified();
                verifyPointerFindsCells();
            }
        QCOMPARE(game().State(), stPlaying);

        // A picture that would not fit the screen at the chosen zoom takes the largest that does.
        applyZoom(4);
        game().SetViewOptions(AppViewOptions(32, 32));
        game().SetPlayOptions(AppPlayOptions(32, 32, 6, 6, 60, 160, true));
        game().SetState(stSetup);
        QCOMPARE(view().Scale(), 1);
        QCOMPARE(form->DisplayOptions().Zoom, 4);
    }

    void aResizedWindowShowsTheLargestZoomThatFitsCentredOnTheFieldsColour() {
        startStillGameFullOfSprites();
        applyZoom(1);
        // The default field's picture is 432x324.
        const struct {
            QSize area;
            int zoom;
            QPoint origin;
        } rows[] = {
            {{432, 324}, 1, {0, 0}},      {{863, 647}, 1, {215, 161}}, {{864, 648}, 2, {0, 0}},
            {{1000, 648}, 2, {68, 0}},    {{864, 1001}, 2, {0, 176}},  {{1296, 972}, 3, {0, 0}},
            {{2000, 1400}, 4, {136, 52}}, {{500, 324}, 1, {34, 0}},
        };
        for (const auto& row : rows) {
            // The line under the field may wrap otherwise at another width: resized until the
            // client area is the row's.
            for (int tries = 0; tries < 3 && view().size() != row.area; ++tries)
                form->resize(form->size() + row.area - view().size());
            const QString where =
                QStringLiteral("%1x%2").arg(row.area.width()).arg(row.area.height());
            QVERIFY2(view().size() == row.area, qPrintable(where));
            QVERIFY2(view().Scale() == row.zoom, qPrintable(where));
            QVERIFY2(view().Origin() == row.origin, qPrintable(where));
            if (row.origin != QPoint())
                QVERIFY2(view().grab().toImage().pixelColor(0, 0) == QColor(64, 0, 255),
                         qPrintable(where));
            verifyShownIsPictureMagnified();
            verifyPointerFindsCells();
        }
        // A zoom chosen anew gives the window that zoom's size again.
        applyZoom(2);
        QCOMPARE(view().size(), QSize(864, 648));
    }

    void maximiseAndRestoreKeepThePlaceAndTheNextStartOpensAsLeft() {
        const QRect before = form->geometry();
        const int zoom = view().Scale();
        form->showMaximized();
        QTRY_VERIFY(form->isMaximized());
        QTRY_VERIFY(view().Scale() > zoom);
        form->showNormal();
        QTRY_COMPARE(form->geometry(), before);
        QCOMPARE(view().Scale(), zoom);

        // A size of the player's own is the next start's; left maximised, the next start opens
        // maximised and goes back to that size in that place.
        form->move(before.topLeft() + QPoint(40, 30));
        form->resize(before.size() + QSize(120, 60));
        QTRY_COMPARE(form->size(), before.size() + QSize(120, 60));
        const QRect sized = form->geometry();
        form.reset();
        start();
        QTRY_COMPARE(form->geometry(), sized);
        form->showMaximized();
        QTRY_VERIFY(form->isMaximized());
        form.reset();
        start();
        QTRY_VERIFY(form->isMaximized());
        form->showNormal();
        QTRY_COMPARE(form->geometry(), sized);
    }

    void theCursorFrameStandsOutInEveryLookAtZoomOneAndThree() {
        startStillGameFullOfSprites();
        const AppPoint at = TForm1TestPeer::Cursor(*form).Cursor().Cell();
        TForm1TestPeer::Cursor(*form).Move(7 - at.x, 5 - at.y);
        for (int look = 0; look <= int(AppLookKind::HighContrast); ++look)
            for (const int zoom : {1, 3}) {
                applyZoom(zoom, look);
                const QImage shown = view().grab().toImage().convertToFormat(QImage::Format_RGB32);
                const QImage& picture = TForm1TestPeer::Renderer(*form).Picture();
                // Half way down the cell's left edge: the dark ring, the light one, then the
                // picture again; just left of the frame, the picture.
                const QPoint edge(7 * 18, 5 * 18 + 9);
                const std::pair<int, QRgb> rows[] = {{0, qRgb(0, 0, 0)},
                                                     {zoom, qRgb(255, 255, 255)},
                                                     {2 * zoom, picture.pixel(edge + QPoint(2, 0))},
                                                     {-1, picture.pixel(edge - QPoint(1, 0))}};
                for (const auto& [dx, expected] : rows)
                    QVERIFY2(
                        shown.pixel(edge * zoom + QPoint(dx, 0)) == expected,
                        qPrintable(QString::asprintf("look %d, zoom %d, dx %d", look, zoom, dx)));
            }
        // Gone while paused: the pause screen is shown as it is.
        form->PauseCommand();
        QVERIFY(view().Frame().isEmpty());
        verifyShownIsPictureMagnified();
    }

    void fullScreenCentresTheLargestZoomAndGivesThePlaceBack() {
        const QRect before = form->geometry();
        const QPoint place = form->pos();
        startStillGameFullOfSprites();
        QAction* item = form->findChild<QAction*>(QStringLiteral("Game_FullScreen_MItem"));
        item->trigger();
        QTRY_VERIFY(form->isFullScreen());
        QVERIFY(item->isChecked());
        item->trigger();
        QTRY_COMPARE(form->geometry(), before);
        QVERIFY(!item->isChecked());

        QTest::keyClick(form.get(), Qt::Key_F11);
        QTRY_VERIFY(form->isFullScreen());
        QVERIFY(form->menuBar()->isVisible());
        // 1600 pixels less the menu bar hold the 324 pixels high field four times.
        QTRY_COMPARE(view().Scale(), 4);
        const QSize picture = TForm1TestPeer::Renderer(*form).FieldRect().size();
        QCOMPARE(view().Scale(), AppFieldView::FittingZoom(picture, view().size()));
        const QSize shown = picture * view().Scale();
        QCOMPARE(view().Origin(), QPoint((view().width() - shown.width()) / 2,
                                         (view().height() - shown.height()) / 2));
        QCOMPARE(view().grab().toImage().pixelColor(view().Origin() - QPoint(1, 1)),
                 QColor(Qt::black));
        verifyShownIsPictureMagnified();
        verifyPointerFindsCells();

        // Remembered: the next start fills the screen again; Escape then brings the window
        // back to its place, and does not enter full screen.
        form.reset();
        start();
        QTRY_VERIFY(form->isFullScreen());
        QTest::keyClick(form->ClientArea(), Qt::Key_Escape);
        QTRY_VERIFY(!form->isFullScreen());
        QTRY_COMPARE(form->pos(), place);
        QCOMPARE(form->size(), before.size());
        QTest::keyClick(form->ClientArea(), Qt::Key_Escape);
        QVERIFY(!form->isFullScreen());
        QCOMPARE(form->DisplayOptions().FullScreen, false);
    }

    void tenFullScreenRoundTripsLeaveTheFrameInPlace() {
        if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
            QSKIP("Run framed by a window manager: offscreen windows lose their frame in full "
                  "screen.");
        // Once the desktop has framed the window. The window inside its frame comes back to
        // the same place exactly when the frame does: the frame keeps its size.
        QTRY_VERIFY(form->frameGeometry().size() != form->size());
        const QRect window = form->geometry();
        for (int trip = 0; trip < 10; ++trip) {
            QTest::keyClick(form->ClientArea(), Qt::Key_F11);
            QTRY_COMPARE_WITH_TIMEOUT(form->geometry(), form->screen()->geometry(), 20000);
            // As a player would: the desktop has settled the full screen before it is left.
            QTest::qWait(200);
            QTest::keyClick(form->ClientArea(), trip % 2 == 0 ? Qt::Key_Escape : Qt::Key_F11);
            QVERIFY(!form->isFullScreen());
            QTRY_COMPARE_WITH_TIMEOUT(form->geometry(), window, 20000);
            QTest::qWait(100);
            QCOMPARE(form->geometry(), window);
        }
    }

    void theAutomaticZoomSuitsTheScreen() {
        // A frame and a menu bar as desktops draw them, a 30 pixel panel, the default field
        // and the largest one.
        const QSize around(2, 52);
        const QSize field(432, 324);
        const QSize largest(1024, 1024);
        struct Row {
            QSize screen;
            qreal scale;
            QSize picture;
            int zoom;
        };
        const Row rows[] = {
            {{1920, 1080}, 1, field, 2},   {{1366, 768}, 1, field, 1},
            {{3840, 2160}, 1, field, 4},   {{3840, 2160}, 2, field, 2},
            {{3840, 2160}, 1.5, field, 3}, {{2560, 1440}, 1, field, 3},
            {{800, 600}, 1, field, 1},     {{640, 480}, 1, field, 1},
            {{3840, 2160}, 1, largest, 1}, {{1280, 800}, 1.25, {}, 1},
        };
        for (const Row& row : rows) {
            const QSize available = (QSizeF(row.screen) / row.scale).toSize() - QSize(0, 30);
            QVERIFY2(AppFieldView::AutomaticZoom(row.picture, around, available, 4) == row.zoom,
                     qPrintable(QStringLiteral("%1x%2 at %3")
                                    .arg(row.screen.width())
                                    .arg(row.screen.height())
                                    .arg(row.scale)));
        }
    }

    void zoomAndLookFromTheDialogKeepTheGameGoingAndAutomaticFollowsTheDesktop() {
        TOptionsDialog dialog(form.get());
        form->SetDialogs(&dialog, nullptr);
        startStillGameFullOfSprites();
        WhenModalShown([](QWidget* modal) {
            modal->findChild<QComboBox*>(QStringLiteral("Page2_ComboBox1"))->setCurrentIndex(2);
            modal->findChild<QComboBox*>(QStringLiteral("Page2_ComboBox2"))->setCurrentIndex(3);
            modal->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        });
        form->findChild<QAction*>(QStringLiteral("Game_Options_MItem"))->trigger();
        QCOMPARE(game().State(), stPlaying);
        QVERIFY(!game().ball.IsStanding());
        QCOMPARE(view().Scale(), 2);
        QCOMPARE(form->DisplayOptions().Look, AppDisplayOptions::lookAutomatic);
        QCOMPARE(form->Look(), AppLookKind::Classic);

        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        QApplication::setPalette(dark);
        QTRY_COMPARE(form->Look(), AppLookKind::Dark);
        QApplication::setPalette(light);
        QTRY_COMPARE(form->Look(), AppLookKind::Classic);
        QCOMPARE(TForm1TestPeer::Renderer(*form).Look(), AppLookKind::Classic);
    }
};

QTEST_MAIN(TForm1ZoomTest)
#include "TForm1ZoomTest.moc"
