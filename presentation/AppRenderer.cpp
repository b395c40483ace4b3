// Paints the field, the title screen and the game-over overlay into the off-screen picture,
// and the pause screen that covers it.
#include "AppRenderer.h"

#include "AppCell.h"
#include "AppGame.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <array>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace {

// How the lines are drawn in a look: once in the text's colour, or four copies in the outline's
// colour around that one, which give every letter an outline.
std::array<AppRenderer::TextPass, 1> PlainText(const AppLook::Colors& colors) {
    return {{{0, 0, colors.text}}};
}

std::array<AppRenderer::TextPass, 5> OutlinedText(const AppLook::Colors& colors) {
    return {{{-1, 0, colors.outline},
             {1, 0, colors.outline},
             {0, -1, colors.outline},
             {0, 1, colors.outline},
             {0, 0, colors.text}}};
}

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

AppRenderer::AppRenderer(AppGame& game, PausedQuery paused, QString titleText, ShowRect showRect,
                         SizeClient sizeClient)
    : game_(game), titleText_(std::move(titleText)), showRect_(std::move(showRect)),
      sizeClient_(std::move(sizeClient)), look_(&AppLook::Of(AppLookKind::Classic)),
      paused_(std::move(paused)) {
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

void AppRenderer::PaintCells(bool showNow) {
    AppField& field = game_.Field();
    if (field.GetDirtyCount() == 0)
        return;
    // The ball's twinkle draws its numbers even when there is nothing to paint into, so
    // the game goes the same way whatever is shown.
    std::optional<QPainter> painter;
    if (!backBuffer_.isNull())
        painter.emplace(&backBuffer_);
    // The count is read anew for each entry, as the list is walked live.
    for (int i = 0; i < field.GetDirtyCount(); ++i) {
        const AppPoint position = field.GetDirty(i);
        const int sprite = game_.SpriteAt(position.x, position.y);
        if (!painter)
            continue;
        const QRect cell = PaintCell(*painter, position.x, position.y, sprite);
        if (showNow)
            showRect_(cell);
    }
    field.ClearDirty();
}

void AppRenderer::RepaintField(bool showNow) {
    if (!backBuffer_.isNull()) {
        const AppField& field = game_.Field();
        QPainter painter(&backBuffer_);
        for (int x = 0; x < field.Width(); ++x)
            for (int y = 0; y < field.Height(); ++y)
                PaintCell(painter, x, y, game_.ShownSpriteAt(x, y));
    }
    if (showNow)
        FormPaint();
}

QRect AppRenderer::PaintCell(QPainter& painter, int x, int y, int sprite) {
    const AppField& field = game_.Field();
    const AppViewOptions& view = game_.ViewOptions();
    const QRect cell(x * view.CharWidth, y * view.CharHeight, view.CharWidth, view.CharHeight);

    // A used paddle flips its square's colour so it stands out from fresh ones.
    const int s = x + y + (field.IsCell(x, y, layerGround, cellPaddleUsed) ? 1 : 0);
    const AppLook::Colors& colors = look_->Color();
    painter.fillRect(cell, QColor::fromRgb(s % 2 == 0 ? colors.even : colors.odd));

    if (sprite >= 0) {
        // Centred in the cell, a pixel nearer the top left when the spare room is odd.
        const int offsetX = (view.CharWidth - AppSprites::size) / 2;
        const int offsetY = (view.CharHeight - AppSprites::size) / 2;
        painter.drawImage(cell.left() + offsetX, cell.top() + offsetY, look_->Sprite(sprite));
    }
    return cell;
}

void AppRenderer::DrawText(QPainter& painter, int x, int y, const QString& text) {
    // (x, y) is the top left of the first character cell; Qt draws on the baseline.
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

void AppRenderer::DrawCentredLines(QPainter& painter, std::span<const TextLine> lines,
                                   std::span<const TextPass> passes) {
    // Each line in its font shrunk to fit the field's width, the lines one under another as a
    // block centred on the field, each line centred across it.
    const QPaintDevice* device = painter.device();
    std::vector<QFont> fonts;
    int blockHeight = 0;
    for (const TextLine& line : lines) {
        fonts.push_back(FittingFont(line.font, line.text, fieldRect_.width(), device));
        blockHeight += TextSize(QFontMetrics(fonts.back(), device), line.text).height();
    }
    int y = (fieldRect_.height() - blockHeight) / 2;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString& text = lines[i].text;
        painter.setFont(fonts[i]);
        const QSize size = TextSize(painter.fontMetrics(), text);
        const int x = (fieldRect_.width() - size.width()) / 2;
        for (const TextPass& pass : passes) {
            painter.setPen(QColor::fromRgb(pass.color));
            DrawText(painter, x + pass.dx, y + pass.dy, text);
        }
        y += size.height();
    }
}

void AppRenderer::PaintTitle(bool showNow) {
    if (!backBuffer_.isNull()) {
        QPainter painter(&backBuffer_);
        painter.fillRect(fieldRect_, QColor::fromRgb(look_->Color().titleBackground));
        painter.setClipRect(fieldRect_);
        const TextLine lines[] = {{titleText_, TitleFont()}};
        DrawCentredLines(painter, lines, PlainText(look_->Color()));
    }
    if (showNow)
        FormPaint();
}

void AppRenderer::PaintGameOver(bool showNow) {
    if (!backBuffer_.isNull()) {
        const TextLine lines[] = {
            //: Spaced out letter by letter, with two spaces between the words.
            {QCoreApplication::translate("AppRenderer", "G a m e  O v e r !"), GameOverFont()},
            {QString::fromStdString(game_.ScoreText()), GameOverFont()},
            {QString::fromStdString(game_.RecordText()), GameOverFont()}};
        QPainter painter(&backBuffer_);
        DrawCentredLines(painter, lines, OutlinedText(look_->Color()));
    }
    if (showNow)
        FormPaint();
}

void AppRenderer::SetLook(AppLookKind kind) {
    look_ = &AppLook::Of(kind);
    if (backBuffer_.isNull())
        return;
    switch (game_.State()) {
    case stTitle:
        PaintTitle(false);
        break;
    case stPlaying:
        RepaintField(false);
        break;
    case stGameOver:
        RepaintField(false);
        PaintGameOver(false);
        break;
    default:
        // Before the title and while closing there is no picture to bring up to date.
        return;
    }
    if (paused_())
        PaintPauseScreen();
    FormPaint();
}

void AppRenderer::PauseChanged() {
    if (paused_())
        PaintPauseScreen();
    FormPaint();
}

void AppRenderer::PaintPauseScreen() {
    pauseScreen_ = QImage(fieldRect_.size(), QImage::Format_RGB32);
    if (pauseScreen_.isNull())
        return;
    pauseScreen_.fill(QColor::fromRgb(look_->Color().titleBackground));
    // The word in the title's font, the hint smaller below it.
    const TextLine lines[] = {
        {QCoreApplication::translate("AppRenderer", "Paused"), TitleFont()},
        {QCoreApplication::translate("AppRenderer", "Press P to go on"), HintFont()}};
    QPainter painter(&pauseScreen_);
    DrawCentredLines(painter, lines, PlainText(look_->Color()));
}

void AppRenderer::FormPaint() {
    showRect_(fieldRect_);
}
