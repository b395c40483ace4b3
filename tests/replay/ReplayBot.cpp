// A player for recorded test games: steers onto paddles, shoves obstacles, ends as told.
#include "ReplayBot.h"

#include "AppCell.h"

bool ReplayBot::Play() {
    if (!recorder_.Recording())
        return false;
    if (plan_.ending == Ending::abandon && Seeking()) {
        recorder_.Abandon();
        return false;
    }
    if (game_.ball.IsStanding()) {
        if (plan_.standingSteps-- <= 0)
            recorder_.MouseDown(AppMouseButton::Left);
    } else if (Seeking() && plan_.ending == Ending::shoveOntoBall) {
        if (ShoveOntoBall())
            return false;
        KeepOffObstacles();
    } else if (Seeking() && plan_.ending == Ending::runInto) {
        SteerTowards(cellObstacle);
    } else {
        KeepOffObstacles();
        SteerTowards(cellPaddleBack) || SteerTowards(cellPaddleSlash);
        if (random_.Below(25) == 0)
            ShoveSomeObstacle();
        if (random_.Below(120) == 0) {
            const AppField& field = game_.Field();
            Press(static_cast<AppKeyPosition>(1 + random_.Below(4)),
                  {random_.Below(field.Width()), random_.Below(field.Height())});
        }
    }
    if (random_.Below(300) == 0 && recorder_.SetPaused(true))
        recorder_.SetPaused(false);
    recorder_.Step();
    return recorder_.Recording();
}

bool ReplayBot::Seeking() const {
    return recorder_.Steps() >= plan_.seekAfter && game_.Phase() >= plan_.seekFromPhase;
}

AppPoint ReplayBot::Ahead(int ahead) const {
    const AppPlayer& b = game_.ball;
    const int width = game_.Field().Width();
    const int height = game_.Field().Height();
    return {((b.x + ahead * b.dx) % width + width) % width,
            ((b.y + ahead * b.dy) % height + height) % height};
}

bool ReplayBot::SteerTowards(int code) {
    const AppPlayer& b = game_.ball;
    const AppField& field = game_.Field();
    const bool across = b.dy == 0;
    const int length = across ? field.Width() : field.Height();
    // Already on its way to one: the ball's line wraps, so it gets there.
    for (int i = 1; i < length; ++i) {
        const AppPoint p = Ahead(i);
        if (field.IsCell(p.x, p.y, layerGround, code))
            return true;
    }
    // The ball's way to a cell: the number of cells it crosses, more for each used paddle
    // (which puts a fresh one elsewhere), nothing when an obstacle is in the way.
    const auto way = [&](AppPoint from, int dx, int dy, int cells) -> std::optional<int> {
        int cost = cells;
        for (int i = 1; i < cells; ++i) {
            const int x = ((from.x + i * dx) % field.Width() + field.Width()) % field.Width();
            const int y = ((from.y + i * dy) % field.Height() + field.Height()) % field.Height();
            const int there = field.GetCell(x, y, layerGround);
            if (there == cellObstacle)
                return std::nullopt;
            cost += there == cellPaddleUsed ? length : 0;
        }
        return cost;
    };
    std::optional<int> best;
    AppPoint bestCorner;
    AppKeyPosition bestKey = AppKeyPosition::slash;
    for (int x = 0; x < field.Width(); ++x) {
        for (int y = 0; y < field.Height(); ++y) {
            if (!field.IsCell(x, y, layerGround, code))
                continue;
            const AppPoint corner = across ? AppPoint{x, b.y} : AppPoint{b.x, y};
            const int there = field.GetCell(corner.x, corner.y, layerGround);
            if (corner == AppPoint{b.x, b.y} || corner == AppPoint{x, y} ||
                (there != cellEmpty && there != cellPaddleUsed))
                continue;
            const int toCorner = across ? ((corner.x - b.x) * b.dx + length) % length
                                        : ((corner.y - b.y) * b.dy + length) % length;
            const int side = across ? field.Height() : field.Width();
            const int offset = across ? y - corner.y : x - corner.x;
            for (const int turn : {1, -1}) {
                const int toTarget = ((offset * turn) % side + side) % side;
                const auto first = way({b.x, b.y}, b.dx, b.dy, toCorner);
                const auto second = way(corner, across ? 0 : turn, across ? turn : 0, toTarget);
                if (!first || !second || (best && *best <= *first + *second))
                    continue;
                best = *first + *second;
                bestCorner = corner;
                // A back paddle keeps the sign of the step, a slash paddle turns it.
                const int step = across ? b.dx : b.dy;
                bestKey = turn == step ? AppKeyPosition::back : AppKeyPosition::slash;
            }
        }
    }
    if (best)
        Press(bestKey, bestCorner);
    return best.has_value();
}

void ReplayBot::KeepOffObstacles() {
    const AppPoint next = Ahead(1);
    if (!game_.Field().IsCell(next.x, next.y, layerGround, cellObstacle))
        return;
    // Along the ball's row, away from it; across it, to either side.
    const bool right = game_.ball.dx != 0 ? game_.ball.dx > 0 : random_.Below(2) == 0;
    Press(right ? AppKeyPosition::slashOrShoveRight : AppKeyPosition::backOrShoveLeft, next);
}

void ReplayBot::ShoveSomeObstacle() {
    const AppField& field = game_.Field();
    const int start = random_.Below(field.Width() * field.Height());
    for (int i = 0; i < field.Width() * field.Height(); ++i) {
        const int at = (start + i) % (field.Width() * field.Height());
        const AppPoint cell{at % field.Width(), at / field.Width()};
        if (field.IsCell(cell.x, cell.y, layerGround, cellObstacle)) {
            Press(random_.Below(2) == 0 ? AppKeyPosition::backOrShoveLeft
                                        : AppKeyPosition::slashOrShoveRight,
                  cell);
            return;
        }
    }
}

bool ReplayBot::ShoveOntoBall() {
    // An obstacle in the ball's row is shoved towards it, column by column, and onto it.
    const AppPlayer& b = game_.ball;
    const AppField& field = game_.Field();
    for (int x = 0; x < field.Width(); ++x) {
        if (x == b.x || !field.IsCell(x, b.y, layerGround, cellObstacle))
            continue;
        const int toward = x < b.x ? 1 : -1;
        const auto position =
            toward > 0 ? AppKeyPosition::slashOrShoveRight : AppKeyPosition::backOrShoveLeft;
        for (int at = x; at != b.x && recorder_.Recording(); at += toward)
            recorder_.KeyAtCell(position, {at, b.y});
        return true;
    }
    return false;
}

void ReplayBot::Press(AppKeyPosition position, AppPoint cell) {
    const AppField& field = game_.Field();
    const AppPlayer& b = game_.ball;
    if (field.IsCell(cell.x, cell.y, layerGround, cellObstacle) && cell.y == b.y) {
        const int to = cell.x + (position == AppKeyPosition::backOrShoveLeft     ? -1
                                 : position == AppKeyPosition::slashOrShoveRight ? 1
                                                                                 : 0);
        if (to == b.x && to != cell.x)
            return;
    }
    recorder_.KeyAtCell(position, cell);
}
