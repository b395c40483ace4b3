// A game wired to a seeded random source and a recording view, with helpers to lay out cells.
#pragma once

#include "AppCell.h"
#include "AppGame.h"
#include "RecordingView.h"

#include <cstdint>
#include <optional>

struct GameHarness {
    explicit GameHarness(const AppPlayOptions& options = AppPlayOptions(), std::uint64_t seed = 1)
        : random(seed) {
        game.SetPicture(view);
        game.SetSound(view);
        game.CreateField();
        view.Attach(&game.Field());
        game.SetPlayOptions(options);
        game.SetState(stSetup);
        view.requests.clear();
    }

    AppField& Field() { return game.Field(); }
    int Ground(int x, int y) { return Field().GetCell(x, y, layerGround); }
    void Put(int x, int y, int code) { Field().SetCell(x, y, layerGround, code); }

    void NewGame() {
        game.SetState(stPlaying);
        view.requests.clear();
    }

    // A running game with an empty ground and the ball at (x, y) stepping
    // (dx, dy); nothing dirty and nothing recorded yet.
    void Arrange(int x, int y, int dx, int dy) {
        NewGame();
        AppField& field = Field();
        for (int cx = 0; cx < field.Width(); ++cx)
            for (int cy = 0; cy < field.Height(); ++cy)
                field.SetCell(cx, cy, layerGround, cellEmpty);
        field.SetCell(game.ball.x, game.ball.y, layerBall, cellEmpty);
        game.ball.x = x;
        game.ball.y = y;
        game.ball.dx = dx;
        game.ball.dy = dy;
        field.SetCell(x, y, layerBall, cellBall);
        field.ClearDirty();
    }

    // Where a player would put a paddle to turn the moving ball onto the line
    // of a fresh paddle: the empty or used cell where the ball's line crosses
    // that paddle's row or column. Nothing when no such cell helps. Since the field
    // wraps, either kind of paddle there brings the ball to the target.
    std::optional<AppPoint> SteeringCell() {
        const AppPlayer& b = game.ball;
        AppField& field = Field();
        if (b.IsStanding())
            return std::nullopt;
        // Already on its way to one: the ball's line wraps, so it gets there.
        const int length = b.dy == 0 ? field.Width() : field.Height();
        for (int i = 0; i < length; ++i) {
            const int code =
                b.dy == 0 ? field.GetCell(i, b.y, layerGround) : field.GetCell(b.x, i, layerGround);
            if (code == cellPaddleBack || code == cellPaddleSlash)
                return std::nullopt;
        }
        for (int x = 0; x < field.Width(); ++x) {
            for (int y = 0; y < field.Height(); ++y) {
                const int code = field.GetCell(x, y, layerGround);
                if (code != cellPaddleBack && code != cellPaddleSlash)
                    continue;
                const AppPoint corner = b.dy == 0 ? AppPoint{x, b.y} : AppPoint{b.x, y};
                const int there = field.GetCell(corner.x, corner.y, layerGround);
                if (corner == AppPoint{b.x, b.y} || corner == AppPoint{x, y} ||
                    (there != cellEmpty && there != cellPaddleUsed))
                    continue;
                return corner;
            }
        }
        return std::nullopt;
    }

    // The middle pixel of a cell, in client coordinates.
    AppPoint PixelOf(int x, int y) const {
        const AppViewOptions& view = game.ViewOptions();
        return {x * view.CharWidth + view.CharWidth / 2, y * view.CharHeight + view.CharHeight / 2};
    }

    AppRandom random;
    RecordingView view;
    AppGame game{random};
};
