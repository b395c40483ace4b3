// Paints the field, the title screen and the game-over overlay into the off-screen picture,
// and the pause screen that covers it.
#include "AppRenderer.h"

#include "AppCell.h"
#include "AppGame.h"
#include "AppRandom.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <array>
#include <mutex>
#include <utility>

namespace {

constexpr QRgb gameOverColors[] = {AppRenderer::outlineColor, AppRenderer::outlineColor,
                                   AppRenderer::outlineColor, AppRenderer::outlineColor,
                                   AppRenderer::textColor};
constexpr int gameOverDx[] = {-1, 1, 0, 0, 0};
constexpr int gameOverDy[] = {0, 0, -1, 1, 0};

// The family a face name really resolves to on this machine, looked up once per name. Asked
// for by the face name, every new size would go through fontconfig's aliases again; by the
// resolved family it is found at once.
QString ResolvedFamily(const QFont& font) {
    static QHash<QString, QString> resolved;
    auto found = resolved.constFind(font.family());
    if (found == resolved.constEnd())
        found = resolved.insert(font.family(), QFontInfo(font).family());
    return *found;
}

// Text heights are given as the whole character cell (ascent plus descent),
// which is larger than the font's pixel size: take the largest pixel size
// whose cell still fits.
QFont CellHeightFont(const QString& family, int cellHeight) {
    QFont font(family);
    // Hard-edged glyphs keep the one-pixel outline of the overlay crisp.
    font.setStyleStrategy(QFont::NoAntialias);
    // A face's cell is about 8/7 of its pixel size: starting there, only the sizes next to
    // the answer are ever made, each of which costs the font system a lookup.
    font.setPixelSize(std::max(1, cellHeight * 7 / 8));
    font.setFamily(ResolvedFamily(font));
    const auto fits = [&font, cellHeight](int pixelSize) {
        font.setPixelSize(pixelSize);
        const QFontMetrics metrics(font);
        return metrics.ascent() + metrics.descent() <= cellHeight;
    };
    int pixelSize = font.pixelSize();
    while (pixelSize < cellHeight && fits(pixelSize + 1))
        ++pixelSize;
    while (pixelSize > 1 && !fits(pixelSize))
        --pixelSize;
    font.setPixelSize(pixelSize);
    return font;
}

// Verdana is rarely installed on Linux; DejaVu Sans is its closest relative
// there. Fontconfig already maps Arial to the metric-compatible Liberation Sans.
void RegisterSubstitutes() {
    static std::once_flag once;
    std::call_once(once, [] { QFont::insertSubstitution("Verdana", "DejaVu Sans"); });
}

QSize TextSize(const QFontMetrics& metrics, const QString& text) {
    return {metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()};
}

// The font at its own size when the text, drawn on the device with a pixel of outline on
// either side, fits the width; otherwise at the largest smaller size that fits, so that a long
// translation or a large score is drawn whole rather than cut off at the field's edges.
QFont FittingFont(QFont font, const QString& text, int width, const QPaintDevice* device) {
    while (font.pixelSize() > 1 && QFontMetrics(font, device).horizontalAdvance(text) + 2 > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

} // namespace

AppRenderer::AppRenderer(AppGame& game, AppRandom& random, QString titleText, ShowRect showRect,
                         SizeClient sizeClient)
    : game_(game), random_(random), titleText_(std::move(titleText)),
      showRect_(std::move(showRect)), sizeClient_(std::move(sizeClient)) {
    RegisterSubstitutes();
}

const QFont& AppRenderer::TitleFont() {
    if (!titleFont_)
        titleFont_ = CellHeightFont(QStringLiteral("Arial"), textCellHeight);
    return *titleFont_;
}

const QFont& AppRenderer::GameOverFont() {
    if (!gameOverFont_)
        gameOverFont_ = CellHeightFont(QStringLiteral("Verdana"), textCellHeight);
    return *gameOverFont_;
}

const QFont& AppRenderer::HintFont() {
    if (!hintFont_)
        hintFont_ = CellHeightFont(QStringLiteral("Arial"), hintCellHeight);
    return *hintFont_;
}

void AppRenderer::ResizeBackBuffer() {
    const AppPlayOptions& play = game_.PlayOptions();
    const AppViewOptions& view = game_.ViewOptions();
    fieldRect_ = QRect(0, 0, view.CharWidth * play.Width, view.CharHeight * play.Height);
    backBuffer_ = QImage(fieldRect_.size(), QImage::Format_RGB32);
    // A fresh image holds whatever memory it got; start from a known picture.
    backBuffer_.fill(Qt::black);
    if (sizeClient_)
        sizeClient_(fieldRect_.size());
}

int AppRenderer::SpriteForCell(int code) {
    switch (code) {
    case cellBall:
        return random_.Next() % 24 == 0 ? 6 : 0;
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

void AppRenderer::PaintCells(bool showNow) {
    AppField& field = game_.Field();
    if (field.GetDirtyCount() == 0)
        return;
    if (!backBuffer_.isNull()) {
        const AppViewOptions& view = game_.ViewOptions();
        const int offsetX = (view.CharWidth - AppSprites::size) / 2;
        const int offsetY = (view.CharHeight - AppSprites::size) / 2;
        QPainter painter(&backBuffer_);
        // The count is read anew for each entry, as the list is walked live.
        for (int i = 0; i < field.GetDirtyCount(); ++i) {
            const AppPoint position = field.GetDirty(i);
            const QRect cell = PaintCell(painter, position.x, position.y, offsetX, offsetY);
            if (showNow)
                showRect_(cell);
        }
    }
    field.ClearDirty();
}

QRect AppRenderer::PaintCell(QPainter& painter, int x, int y, int offsetX, int offsetY) {
    const AppField& field = game_.Field();
    const AppViewOptions& view = game_.ViewOptions();
    const QRect cell(x * view.CharWidth, y * view.CharHeight, view.CharWidth, view.CharHeight);

    // A used paddle flips its square's colour so it stands out from fresh ones.
    const int s = x + y + (field.IsCell(x, y, layerGround, cellPaddleUsed) ? 1 : 0);
    painter.fillRect(cell, QColor::fromRgb(s % 2 == 0 ? evenColor : oddColor));

    // Ground first, then the ball: the ball hides whatever it stands on.
    int image = -1;
    for (const int layer : {int(layerGround), int(layerBall)}) {
        const int code = field.GetCell(x, y, layer);
        if (code == cellEmpty)
            continue;
        const int chosen = SpriteForCell(code);
        if (chosen >= 0)
            image = chosen;
    }
    if (image >= 0)
        painter.drawImage(cell.left() + offsetX, cell.top() + offsetY, sprites_.Image(image));
    return cell;
}

void AppRenderer::DrawText(QPainter& painter, int x, int y, const QString& text) {
    // (x, y) is the top left of the first character cell; Qt draws on the baseline.
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

void AppRenderer::PaintTitle(bool showNow) {
    if (!backBuffer_.isNull()) {
        QPainter painter(&backBuffer_);
        painter.setFont(FittingFont(TitleFont(), titleText_, fieldRect_.width(), &backBuffer_));
        const QSize size = TextSize(painter.fontMetrics(), titleText_);
        const int x = (fieldRect_.width() - size.width()) / 2;
        const int y = (fieldRect_.height() - size.height()) / 2;
        painter.fillRect(fieldRect_, QColor::fromRgb(evenColor));
        painter.setClipRect(fieldRect_);
        painter.setPen(QColor::fromRgb(textColor));
        DrawText(painter, x, y, titleText_);
    }
    if (showNow)
        FormPaint();
}

void AppRenderer::PaintGameOver(bool showNow) {
    if (!backBuffer_.isNull()) {
        //: Spaced out letter by letter, with two spaces between the words.
        const std::array<QString, 3> lines = {
            QCoreApplication::translate("AppRenderer", "G a m e  O v e r !"),
            QString::fromStdString(game_.ScoreText()), QString::fromStdString(game_.RecordText())};
        std::array<QFont, std::tuple_size_v<decltype(lines)>> fonts;
        int blockHeight = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            fonts[i] = FittingFont(GameOverFont(), lines[i], fieldRect_.width(), &backBuffer_);
            blockHeight += TextSize(QFontMetrics(fonts[i], &backBuffer_), lines[i]).height();
        }

        QPainter painter(&backBuffer_);
        int y = (fieldRect_.height() - blockHeight) / 2;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const QString& line = lines[i];
            painter.setFont(fonts[i]);
            const QSize size = TextSize(painter.fontMetrics(), line);
            const int x = (fieldRect_.width() - size.width()) / 2;
            // Four navy copies around the white one give every letter an outline.
            for (int pass = 0; pass < 5; ++pass) {
                painter.setPen(QColor::fromRgb(gameOverColors[pass]));
                DrawText(painter, x + gameOverDx[pass], y + gameOverDy[pass], line);
            }
            y += size.height();
        }
    }
    if (showNow)
        FormPaint();
}

void AppRenderer::ShowPaused(bool paused) {
    paused_ = paused;
    if (paused_)
        PaintPauseScreen();
    FormPaint();
}

void AppRenderer::PaintPauseScreen() {
    pauseScreen_ = QImage(fieldRect_.size(), QImage::Format_RGB32);
    if (pauseScreen_.isNull())
        return;
    pauseScreen_.fill(QColor::fromRgb(evenColor));
    // The word in the title's font, the hint smaller below it, centred as one block.
    const std::pair<QString, QFont> lines[] = {
        {QCoreApplication::translate("AppRenderer", "Paused"), TitleFont()},
        {QCoreApplication::translate("AppRenderer", "Press P to go on"), HintFont()}};
    int blockHeight = 0;
    for (const auto& [text, font] : lines)
        blockHeight += TextSize(QFontMetrics(font), text).height();

    QPainter painter(&pauseScreen_);
    painter.setPen(QColor::fromRgb(textColor));
    int y = (fieldRect_.height() - blockHeight) / 2;
    for (const auto& [text, font] : lines) {
        painter.setFont(font);
        const QSize size = TextSize(painter.fontMetrics(), text);
        DrawText(painter, (fieldRect_.width() - size.width()) / 2, y, text);
        y += size.height();
    }
}

void AppRenderer::FormPaint() {
    showRect_(fieldRect_);
}
