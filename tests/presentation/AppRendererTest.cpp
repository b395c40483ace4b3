// Checks the field, title and game-over pictures the renderer paints, with no window.
#include "AppRenderer.h"
#include "AppCell.h"
#include "AppGame.h"
#include "AppGameTestPeer.h"
#include "AppLook.h"
#include "AppSprites.h"

#include <QDir>
#include <QTranslator>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

// Every text of the renderer six times over.
class LongTexts : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        return qstrcmp(context, "AppRenderer") == 0 ? QString::fromUtf8(source).repeated(6)
                                                    : QString();
    }
    bool isEmpty() const override { return false; }
};

// A game on the title screen with a renderer whose "window" records what it is shown.
struct Rig {
    explicit Rig(int width = 24, int height = 18, int charWidth = 18, int charHeight = 18,
                 std::uint64_t seed = 7)
        : random(seed), game(random),
          renderer(
              game, [this] { return paused; }, QStringLiteral("Zingaroo"),
              [this](const QRect& rect) { shown.append(rect); }) {
        game.SetPicture(renderer);
        game.CreateField();
        Resize(width, height, charWidth, charHeight);
    }

    void Resize(int width, int height, int charWidth, int charHeight) {
        game.SetPlayOptions(AppPlayOptions(width, height, 6, 6, 60, 160, true));
        game.SetViewOptions(AppViewOptions(charWidth, charHeight));
        game.SetState(stSetup);
    }

    QRect CellRect(int x, int y) const {
        const AppViewOptions& view = game.ViewOptions();
        return {x * view.CharWidth, y * view.CharHeight, view.CharWidth, view.CharHeight};
    }

    AppField& Field() { return game.Field(); }
    const QImage& Buffer() const { return renderer.BackBuffer(); }

    AppRandom random;
    AppGame game;
    QList<QRect> shown;
    bool paused = false;
    AppRenderer renderer;
    AppSprites sprites;
};

QRgb Rgb(QRgb pixel) {
    return pixel & 0xFFFFFF;
}

// Empty when every pixel of the cell shows the tile's opaque pixel (placed at
// offset inside the cell) or else the background; otherwise the first mismatch.
QString CellMismatch(const QImage& buffer, const QRect& cell, QRgb background, const QImage* tile,
                     QPoint offset) {
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            QRgb expected = background;
            const QPoint inTile = QPoint(x, y) - cell.topLeft() - offset;
            if (tile && tile->rect().contains(inTile) && qAlpha(tile->pixel(inTile)) == 255)
                expected = tile->pixel(inTile);
            if (Rgb(buffer.pixel(x, y)) != Rgb(expected))
                return QStringLiteral("pixel (%1, %2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(Rgb(buffer.pixel(x, y)), 6, 16, QChar('0'))
                    .arg(Rgb(expected), 6, 16, QChar('0'));
        }
    }
    return {};
}

int TileForGround(int code) {
    switch (code) {
    case cellPaddleBack:
        return 1;
    case cellPaddleSlash:
        return 2;
    case cellPaddleUsed:
        return 3;
    case cellObstacle:
        return 4;
    case cellSweeper:
        return 5;
    default:
        return -1;
    }
}

// The tile the renderer must pick for a ball painted with this random source next.
int PredictBallTile(AppRandom random) {
    return random.Next() % 24 == 0 ? 6 : 0;
}

struct InkBox {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
    void Add(int x, int y) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
};

InkBox WhiteInk(const QImage& image, int fromRow = 0, int toRow = INT_MAX) {
    InkBox box;
    for (int y = fromRow; y < std::min(toRow, image.height()); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Rgb(image.pixel(x, y)) == Rgb(AppRenderer::textColor))
                box.Add(x, y);
    return box;
}

// Runs of consecutive rows that hold white pixels.
QList<QPair<int, int>> WhiteBands(const QImage& image) {
    QList<QPair<int, int>> bands;
    for (int y = 0; y < image.height(); ++y) {
        bool white = false;
        for (int x = 0; x < image.width() && !white; ++x)
            white = Rgb(image.pixel(x, y)) == Rgb(AppRenderer::textColor);
        if (!white)
            continue;
        if (!bands.isEmpty() && bands.last().second == y - 1)
            bands.last().second = y;
        else
            bands.append({y, y});
    }
    return bands;
}

} // namespace

class AppRendererTest : public QObject {
    Q_OBJECT

private slots:
    void cellShowsCheckerboardAndTile_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("ground");
        QTest::addColumn<bool>("ball");
        QTest::addColumn<QRgb>("background");
        const QRgb even = AppRenderer::evenColor;
        const QRgb odd = AppRenderer::oddColor;
        QTest::addRow("top left square is deep") << 0 << 0 << int(cellEmpty) << false << even;
        QTest::addRow("its right neighbour is light") << 1 << 0 << int(cellEmpty) << false << odd;
        QTest::addRow("its lower neighbour is light") << 0 << 1 << int(cellEmpty) << false << odd;
        QTest::addRow("diagonal neighbour is deep") << 1 << 1 << int(cellEmpty) << false << even;
        QTest::addRow("used paddle flips deep to light")
            << 0 << 0 << int(cellPaddleUsed) << false << odd;
        QTest::addRow("used paddle flips light to deep")
            << 1 << 0 << int(cellPaddleUsed) << false << even;
        QTest::addRow("backslash paddle keeps its square")
            << 2 << 0 << int(cellPaddleBack) << false << even;
        QTest::addRow("slash paddle keeps its square")
            << 3 << 0 << int(cellPaddleSlash) << false << odd;
        QTest::addRow("obstacle") << 2 << 1 << int(cellObstacle) << false << odd;
        QTest::addRow("sweeper") << 23 << 17 << int(cellSweeper) << false << even;
        QTest::addRow("ball alone") << 5 << 4 << int(cellEmpty) << true << odd;
        QTest::addRow("ball hides a fresh paddle") << 4 << 4 << int(cellPaddleBack) << true << even;
        QTest::addRow("ball on a just-used paddle shows on the flipped colour")
            << 4 << 5 << int(cellPaddleUsed) << true << even;
    }

    void cellShowsCheckerboardAndTile() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, ground);
        QFETCH(bool, ball);
        QFETCH(QRgb, background);
        Rig rig;
        rig.Field().SetCell(x, y, layerGround, ground);
        if (ball)
            rig.Field().SetCell(x, y, layerBall, cellBall);
        const int tile = ball ? PredictBallTile(rig.random) : TileForGround(ground);
        AppRandom afterPaint = rig.random;
        if (ball)
            afterPaint.Next();

        rig.renderer.PaintCells(false);

        const QImage* image = tile >= 0 ? &rig.sprites.Image(tile) : nullptr;
        const QString mismatch =
            CellMismatch(rig.Buffer(), rig.CellRect(x, y), background, image, {0, 0});
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        // Exactly one number is used up per ball painted, none otherwise.
        QCOMPARE(rig.random.Next(), afterPaint.Next());
        QCOMPARE(rig.Field().GetDirtyCount(), 0);
    }

    void tileSitsAtCentringOffsets_data() {
        QTest::addColumn<int>("charWidth");
        QTest::addColumn<int>("charHeight");
        QTest::addColumn<QPoint>("offset");
        QTest::addRow("18 x 18 at the corner") << 18 << 18 << QPoint(0, 0);
        QTest::addRow("32 x 25") << 32 << 25 << QPoint(7, 3);
        QTest::addRow("odd spare room rounds up-left") << 19 << 21 << QPoint(0, 1);
        QTest::addRow("25 x 32") << 25 << 32 << QPoint(3, 7);
    }

    void tileSitsAtCentringOffsets() {
        QFETCH(int, charWidth);
        QFETCH(int, charHeight);
        QFETCH(QPoint, offset);
        Rig rig(16, 16, charWidth, charHeight);
        rig.Field().SetCell(2, 1, layerGround, cellObstacle);
        rig.renderer.PaintCells(false);
        const QString mismatch = CellMismatch(rig.Buffer(), rig.CellRect(2, 1),
                                              AppRenderer::oddColor, &rig.sprites.Image(4), offset);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    void waitingBallBlinksWhenTheDrawIsAMultipleOf24() {
        Rig rig;
        rig.Field().SetCell(1, 0, layerGround, cellPaddleUsed);
        int shownTiles[7] = {};
        for (int repaint = 0; repaint < 240; ++repaint) {
            rig.Field().SetCell(1, 0, layerBall, cellBall);
            const int tile = PredictBallTile(rig.random);
            rig.renderer.PaintCells(true);
            const QString mismatch =
                CellMismatch(rig.Buffer(), rig.CellRect(1, 0), AppRenderer::evenColor,
                             &rig.sprites.Image(tile), {0, 0});
            QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
            ++shownTiles[tile];
        }
        QVERIFY(shownTiles[0] > 0);
        QVERIFY(shownTiles[6] > 0);
    }

    void emptyDirtyListPaintsAndShowsNothing() {
        Rig rig;
        rig.shown.clear();
        const QImage before = rig.Buffer().copy();
        AppRandom untouched = rig.random;
        rig.renderer.PaintCells(true);
        QVERIFY(rig.shown.isEmpty());
        QCOMPARE(rig.Buffer(), before);
        QCOMPARE(rig.random.Next(), untouched.Next());
        QCOMPARE(rig.Field().GetDirtyCount(), 0);
    }

    void withoutShowNowNothingReachesTheWindow() {
        Rig rig;
        rig.shown.clear();
        rig.Field().SetCell(3, 2, layerGround, cellObstacle);
        rig.Field().SetCell(0, 0, layerGround, cellPaddleSlash);
        rig.renderer.PaintCells(false);
        QVERIFY(rig.shown.isEmpty());
        QCOMPARE(rig.Field().GetDirtyCount(), 0);
        const QString mismatch = CellMismatch(rig.Buffer(), rig.CellRect(3, 2),
                                              AppRenderer::oddColor, &rig.sprites.Image(4), {});
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    void showNowCopiesEachRepaintedCellOnceInListOrder() {
        Rig rig(20, 16, 20, 19);
        rig.shown.clear();
        rig.Field().SetCell(3, 2, layerGround, cellObstacle);
        rig.Field().SetCell(0, 0, layerGround, cellPaddleSlash);
        rig.Field().SetCell(3, 2, layerBall, cellBall);
        rig.Field().SetCell(19, 15, layerGround, cellSweeper);
        rig.renderer.PaintCells(true);
        const QList<QRect> expected = {QRect(60, 38, 20, 19), QRect(0, 0, 20, 19),
                                       QRect(380, 285, 20, 19)};
        QCOMPARE(rig.shown, expected);
        QCOMPARE(rig.Field().GetDirtyCount(), 0);
    }

    void newGameRepaintsEveryCellAndShowsTheWholeFieldOnce() {
        Rig rig;
        rig.game.SetState(stPlaying);
        rig.game.SetState(stGameOver);
        rig.shown.clear();
        rig.game.SetState(stPlaying);
        QCOMPARE(rig.shown, QList<QRect>{rig.renderer.FieldRect()});

        const AppField& field = rig.Field();
        for (int x = 0; x < field.Width(); ++x) {
            for (int y = 0; y < field.Height(); ++y) {
                const int ground = field.GetCell(x, y, layerGround);
                const int s = x + y + (ground == cellPaddleUsed ? 1 : 0);
                const QRgb background = s % 2 == 0 ? AppRenderer::evenColor : AppRenderer::oddColor;
                QList<int> tiles = {TileForGround(ground)};
                if (field.IsCell(x, y, layerBall, cellBall))
                    tiles = {0, 6};
                QString mismatch;
                for (const int tile : tiles) {
                    mismatch = CellMismatch(rig.Buffer(), rig.CellRect(x, y), background,
                                            tile >= 0 ? &rig.sprites.Image(tile) : nullptr, {});
                    if (mismatch.isEmpty())
                        break;
                }
                QVERIFY2(mismatch.isEmpty(),
                         qPrintable(QStringLiteral("cell (%1, %2): ").arg(x).arg(y) + mismatch));
            }
        }
    }

    void titleIsTheProductNameCentredOnTheWholeField_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("charWidth");
        QTest::addColumn<int>("charHeight");
        QTest::addRow("defaults") << 24 << 18 << 18 << 18;
        QTest::addRow("smallest") << 16 << 16 << 18 << 18;
        QTest::addRow("largest") << 32 << 32 << 32 << 32;
        QTest::addRow("odd sizes") << 17 << 23 << 27 << 19;
    }

    void titleIsTheProductNameCentredOnTheWholeField() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, charWidth);
        QFETCH(int, charHeight);
        // Start from another size, so the title must cover a freshly sized buffer.
        Rig rig(20, 20, 25, 25);
        rig.game.SetState(stPlaying);
        rig.shown.clear();
        rig.Resize(width, height, charWidth, charHeight);

        const QRect field(0, 0, width * charWidth, height * charHeight);
        QCOMPARE(rig.renderer.FieldRect(), field);
        QCOMPARE(rig.Buffer().size(), field.size());
        QCOMPARE(rig.shown, QList<QRect>{field});

        for (int y = 0; y < field.height(); ++y)
            for (int x = 0; x < field.width(); ++x) {
                const QRgb pixel = Rgb(rig.Buffer().pixel(x, y));
                QVERIFY2(pixel == Rgb(AppRenderer::evenColor) ||
                             pixel == Rgb(AppRenderer::textColor),
                         qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        const InkBox ink = WhiteInk(rig.Buffer());
        QVERIFY(!ink.Empty());
        // Centred within a pixel or two (glyph side bearings), sized like 24-pixel text.
        QVERIFY2(std::abs(ink.left + ink.right + 1 - field.width()) <= 4,
                 qPrintable(QStringLiteral("ink %1..%2").arg(ink.left).arg(ink.right)));
        QVERIFY(ink.right - ink.left > 60 && ink.right - ink.left < 140);
        QVERIFY(ink.top >= (field.height() - 24) / 2);
        QVERIFY(ink.bottom < (field.height() + 24) / 2 + 1);
        QVERIFY(ink.bottom - ink.top >= 12);
    }

    void gameOverLinesAreCentredOneByOneWithANavyOutline() {
        Rig rig;
        // A plain checkerboard underneath, so every white pixel is text.
        rig.Field().ClearAll();
        rig.renderer.PaintCells(false);
        const QImage before = rig.Buffer().copy();
        rig.shown.clear();
        AppGameTestPeer::SetScore(rig.game, 3, 1);
        rig.game.SetRecord(1234, 56);
        rig.game.SetState(stGameOver);
        QCOMPARE(rig.shown, QList<QRect>{rig.renderer.FieldRect()});

        const QImage& after = rig.Buffer();
        const QRgb navy = Rgb(AppRenderer::outlineColor);
        const QRgb white = Rgb(AppRenderer::textColor);
        int navyCount = 0;
        for (int y = 0; y < after.height(); ++y) {
            for (int x = 0; x < after.width(); ++x) {
                const QRgb pixel = Rgb(after.pixel(x, y));
                if (pixel == navy)
                    ++navyCount;
                if (pixel != Rgb(before.pixel(x, y)))
                    QVERIFY(pixel == navy || pixel == white);
                if (pixel != white)
                    continue;
                // Each letter pixel is bordered by letter or outline on all four sides.
                for (const QPoint step :
                     {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
                    const QRgb next = Rgb(after.pixel(QPoint(x, y) + step));
                    QVERIFY2(next == white || next == navy,
                             qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
                }
            }
        }
        QVERIFY(navyCount > 0);

        const QList<QPair<int, int>> bands = WhiteBands(after);
        QCOMPARE(bands.size(), 3);
        QList<InkBox> lines;
        for (const auto& band : bands)
            lines.append(WhiteInk(after, band.first, band.second + 1));
        const int fieldWidth = rig.renderer.FieldRect().width();
        for (const InkBox& line : lines)
            QVERIFY2(std::abs(line.left + line.right + 1 - fieldWidth) <= 4,
                     qPrintable(QStringLiteral("line %1..%2").arg(line.left).arg(line.right)));
        // "Record: 1234 pt.  56 ph." is much wider than "G a m e  O v e r !".
        QVERIFY(lines[0].left - lines[2].left >= 10);
        // The three 24-pixel lines sit in the middle of the field as one block.
        const int fieldHeight = rig.renderer.FieldRect().height();
        QVERIFY(lines[0].top >= (fieldHeight - 72) / 2);
        QVERIFY(lines[2].bottom <= (fieldHeight + 72) / 2);
        QVERIFY(std::abs(lines[0].top + lines[2].bottom + 1 - fieldHeight) <= 10);
    }

    void aLineWiderThanTheFieldIsDrawnSmallerAndTheOthersKeepTheirSize() {
        // The narrowest field, once with the English texts and once with a far wider score line.
        Rig designed(16, 16);
        Rig squeezed(16, 16);
        AppGameTexts texts;
        texts.scoreLine = "Points scored in this game: %1, phases cleared: %2";
        squeezed.game.SetTexts(texts);
        QList<InkBox> lines[2];
        for (int i = 0; i < 2; ++i) {
            Rig& rig = i == 0 ? designed : squeezed;
            rig.Field().ClearAll();
            rig.renderer.PaintCells(false);
            AppGameTestPeer::SetScore(rig.game, 12345, 123);
            rig.game.SetState(stGameOver);
            for (const auto& band : WhiteBands(rig.Buffer()))
                lines[i].append(WhiteInk(rig.Buffer(), band.first, band.second + 1));
            QCOMPARE(lines[i].size(), 3);
        }
        const int width = squeezed.renderer.FieldRect().width();
        QCOMPARE(width, 288);
        // Whole inside the field with room for its outline, and not shrunk further than needed.
        const InkBox& wide = lines[1][1];
        QVERIFY2(wide.left >= 1 && wide.right <= width - 2,
                 qPrintable(QStringLiteral("ink %1..%2").arg(wide.left).arg(wide.right)));
        QVERIFY(wide.right - wide.left > width * 3 / 4);
        QVERIFY(wide.bottom - wide.top < lines[0][1].bottom - lines[0][1].top);
        for (const int line : {0, 2}) {
            QCOMPARE(lines[1][line].right - lines[1][line].left,
                     lines[0][line].right - lines[0][line].left);
            QCOMPARE(lines[1][line].bottom - lines[1][line].top,
                     lines[0][line].bottom - lines[0][line].top);
        }
    }

    void overlayStaysInTheBufferForLaterRepaints() {
        Rig rig;
        rig.game.SetState(stPlaying);
        rig.game.SetState(stGameOver);
        const QImage withOverlay = rig.Buffer().copy();
        rig.shown.clear();
        rig.renderer.FormPaint();
        QCOMPARE(rig.shown, QList<QRect>{rig.renderer.FieldRect()});
        QCOMPARE(rig.Buffer(), withOverlay);
        QVERIFY(!WhiteBands(withOverlay).isEmpty());
    }

    void pauseScreenCoversTheWindowOnlyAndGoesAgainWithoutATrace() {
        Rig rig(16, 16, 18, 18);
        rig.game.SetState(stPlaying);
        const QImage field = rig.Buffer().copy();
        rig.shown.clear();
        rig.paused = true;
        rig.renderer.PauseChanged();
        QCOMPARE(rig.shown, QList<QRect>{rig.renderer.FieldRect()});
        QCOMPARE(rig.Buffer(), field);

        // Nothing of the field shows: the title's background with the word and the hint,
        // each centred, the hint smaller.
        const QImage& cover = rig.renderer.Picture();
        QCOMPARE(cover.size(), field.size());
        for (int y = 0; y < cover.height(); ++y)
            for (int x = 0; x < cover.width(); ++x) {
                const QRgb pixel = Rgb(cover.pixel(x, y));
                QVERIFY(pixel == Rgb(AppRenderer::evenColor) ||
                        pixel == Rgb(AppRenderer::textColor));
            }
        const QList<QPair<int, int>> bands = WhiteBands(cover);
        QCOMPARE(bands.size(), 2);
        QVERIFY(bands[0].second - bands[0].first > bands[1].second - bands[1].first);
        QVERIFY(std::abs(bands[0].first + bands[1].second + 1 - cover.height()) <= 10);
        for (const auto& band : bands) {
            const InkBox line = WhiteInk(cover, band.first, band.second + 1);
            QVERIFY(line.left > 0 && line.right < cover.width() - 1);
            QVERIFY(std::abs(line.left + line.right + 1 - cover.width()) <= 4);
        }

        rig.shown.clear();
        rig.paused = false;
        rig.renderer.PauseChanged();
        QCOMPARE(rig.shown, QList<QRect>{rig.renderer.FieldRect()});
        QCOMPARE(rig.renderer.Picture(), field);

        // Texts wider than the field, as a long translation makes them, are drawn smaller and
        // whole.
        LongTexts longTexts;
        QCoreApplication::installTranslator(&longTexts);
        rig.paused = true;
        rig.renderer.PauseChanged();
        QCoreApplication::removeTranslator(&longTexts);
        const QImage& squeezed = rig.renderer.Picture();
        QCOMPARE(WhiteBands(squeezed).size(), 2);
        for (const auto& band : WhiteBands(squeezed)) {
            const InkBox line = WhiteInk(squeezed, band.first, band.second + 1);
            QVERIFY(line.left > 0 && line.right < squeezed.width() - 1);
        }
    }

    void aPauseTextWiderThanTheFieldIsDrawnSmaller() {
        // A language whose word and hint are both far wider than the narrowest field.
        struct WideTexts : QTranslator {
            bool isEmpty() const override { return false; }
            QString translate(const char* context, const char* source, const char*,
                              int) const override {
                if (qstrcmp(context, "AppRenderer") != 0)
                    return {};
                return QString::fromLatin1(source).repeated(4);
            }
        } wide;
        QCoreApplication::installTranslator(&wide);
        Rig rig(16, 16, 18, 18);
        rig.game.SetState(stPlaying);
        rig.paused = true;
        rig.renderer.PauseChanged();
        QCoreApplication::removeTranslator(&wide);

        const QImage& cover = rig.renderer.Picture();
        QCOMPARE(cover.width(), 288);
        const QList<QPair<int, int>> bands = WhiteBands(cover);
        QCOMPARE(bands.size(), 2);
        for (const auto& band : bands) {
            const InkBox line = WhiteInk(cover, band.first, band.second + 1);
            QVERIFY2(line.left > 0 && line.right < cover.width() - 1,
                     qPrintable(QStringLiteral("ink %1..%2").arg(line.left).arg(line.right)));
            QVERIFY(line.right - line.left > cover.width() * 3 / 4);
        }
    }

    void aNewLookRepaintsThePictureAtOnceAndKeepsTheRandomSequence() {
        const QDir dir(QStringLiteral(ZINGAROO_PICTURES_DIR));
        QVERIFY(dir.mkpath(QStringLiteral(".")));
        Rig rig(24, 18, 18, 18, 11);
        rig.game.SetState(stPlaying);
        // Every kind of item, and a used paddle on each colour of square.
        const int grounds[] = {cellPaddleBack, cellPaddleSlash, cellPaddleUsed,
                               cellPaddleUsed, cellObstacle,    cellSweeper};
        for (int i = 0; i < 6; ++i)
            rig.Field().SetCell(1 + i, 1, layerGround, grounds[i]);
        for (int step = 0; step < 30; ++step)
            rig.game.Step();
        const QImage classic = rig.Buffer().copy();

        for (const AppLookKind kind : {AppLookKind::Dark, AppLookKind::HighContrast}) {
            const AppLook& look = AppLook::Of(kind);
            AppRandom untouched = rig.random;
            rig.shown.clear();
            rig.renderer.SetLook(kind);
            QCOMPARE(rig.shown, QList<QRect>{rig.renderer.FieldRect()});
            QCOMPARE(rig.random.Next(), untouched.Next());
            const AppField& field = rig.Field();
            for (int x = 0; x < field.Width(); ++x)
                for (int y = 0; y < field.Height(); ++y) {
                    // Which tile each code shows is proven against the classic tiles above;
                    // here the game's own choice, the ball's face as last painted included.
                    const int s = x + y + (field.IsCell(x, y, layerGround, cellPaddleUsed) ? 1 : 0);
                    const int tile = rig.game.ShownSpriteAt(x, y);
                    const QString mismatch =
                        CellMismatch(rig.Buffer(), rig.CellRect(x, y),
                                     s % 2 == 0 ? look.Color().even : look.Color().odd,
                                     tile >= 0 ? &look.Sprite(tile) : nullptr, {});
                    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
                }
            const QString name = kind == AppLookKind::Dark ? "dark" : "contrast";
            QVERIFY(rig.renderer.Picture().save(dir.filePath(name + "-field.png")));
        }

        rig.renderer.SetLook(AppLookKind::Classic);
        QCOMPARE(rig.Buffer(), classic);
        // A look from a damaged setting is the classic one.
        rig.renderer.SetLook(AppLookKind::HighContrast);
        rig.renderer.SetLook(static_cast<AppLookKind>(7));
        QCOMPARE(rig.Buffer(), classic);
        QCOMPARE(rig.renderer.Look(), AppLookKind::Classic);

        // The game-over picture repainted in a look is the one painted in it from the start;
        // the pause screen and the title follow the look too.
        rig.renderer.SetLook(AppLookKind::Dark);
        const QImage darkField = rig.Buffer().copy();
        rig.game.SetState(stGameOver);
        const QImage darkOver = rig.Buffer().copy();
        QVERIFY(darkOver != darkField);
        QVERIFY(darkOver.save(dir.filePath("dark-gameover.png")));
        rig.paused = true;
        rig.renderer.PauseChanged();
        rig.renderer.SetLook(AppLookKind::HighContrast);
        const auto background = [](AppLookKind kind) {
            return Rgb(AppLook::Of(kind).Color().titleBackground);
        };
        QCOMPARE(Rgb(rig.renderer.Picture().pixel(0, 0)), background(AppLookKind::HighContrast));
        rig.paused = false;
        rig.renderer.PauseChanged();
        rig.renderer.SetLook(AppLookKind::Dark);
        QCOMPARE(rig.Buffer(), darkOver);
        rig.game.SetState(stTitle);
        QCOMPARE(Rgb(rig.Buffer().pixel(0, 0)), background(AppLookKind::Dark));
    }

    void paintingBeforeTheFirstSetUpIsHarmless() {
        AppRandom random(3);
        AppGame game(random);
        QList<QRect> shown;
        AppRenderer renderer(
            game, [] { return false; }, QStringLiteral("Zingaroo"),
            [&shown](const QRect& rect) { shown.append(rect); });
        game.SetPicture(renderer);
        game.CreateField();
        game.Field().SetCell(0, 0, layerBall, cellBall);
        renderer.PaintCells(true);
        renderer.PaintTitle(false);
        renderer.PaintGameOver(false);
        QVERIFY(renderer.BackBuffer().isNull());
        QVERIFY(shown.isEmpty());
        QCOMPARE(game.Field().GetDirtyCount(), 0);
    }

    void writesPicturesToLookAt() {
        const QDir dir(QStringLiteral(ZINGAROO_PICTURES_DIR));
        QVERIFY(dir.mkpath(QStringLiteral(".")));
        Rig rig(24, 18, 18, 18, 11);
        const auto save = [&](const char* name) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            QVERIFY(rig.renderer.Picture().save(path));
            QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), rig.renderer.Picture());
        };
        save("title.png");

        rig.game.FormMouseDown(AppMouseButton::Left);
        rig.game.FormMouseDown(AppMouseButton::Left);
        // A paddle two cells ahead of the ball, placed the way the player does it.
        const AppPlayer& ball = rig.game.ball;
        const int tx = ball.x + 2 * ball.dx;
        const int ty = ball.y + 2 * ball.dy;
        rig.game.FormKeyDown(AppKey::W, AppPoint{tx * 18 + 9, ty * 18 + 9});
        QVERIFY(rig.Field().IsCell(tx, ty, layerGround, cellPaddleSlash));
        for (int step = 0; step < 200 && rig.game.State() == stPlaying; ++step) {
            rig.game.Step();
            if (rig.game.Score() > 0 && rig.Field().GetCount(cellPaddleUsed) > 0 &&
                rig.Field().GetCount(cellObstacle) > 0)
                break;
        }
        QCOMPARE(rig.game.State(), stPlaying);
        QVERIFY(rig.Field().GetCount(cellPaddleUsed) > 0);
        QVERIFY(rig.Field().GetCount(cellObstacle) > 0);
        save("field.png");
        rig.paused = true;
        rig.renderer.PauseChanged();
        save("paused.png");
        rig.paused = false;
        rig.renderer.PauseChanged();

        rig.game.SetState(stGameOver);
        save("gameover.png");
    }
};

QTEST_MAIN(AppRendererTest)
#include "AppRendererTest.moc"
