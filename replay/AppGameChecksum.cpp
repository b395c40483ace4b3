// Fingerprints of a game's field and of its whole state, the same on every machine.
#include "AppGameChecksum.h"

#include "AppGame.h"

namespace {

// 64-bit FNV-1a over the values' bytes, lowest byte first whatever the machine's order.
class Fnv {
public:
    void Add(std::uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            hash_ ^= (value >> (8 * i)) & 0xFF;
            hash_ *= 0x100000001B3ull;
        }
    }
    void Add(std::int32_t value) { Add(static_cast<std::uint32_t>(value), 4); }
    std::uint64_t Hash() const { return hash_; }

private:
    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

void AddField(Fnv& fnv, const AppField& field) {
    fnv.Add(field.Width());
    fnv.Add(field.Height());
    fnv.Add(field.Layers());
    for (int x = 0; x < field.Width(); ++x)
        for (int y = 0; y < field.Height(); ++y)
            for (int layer = 0; layer < field.Layers(); ++layer)
                fnv.Add(field.GetCell(x, y, layer));
}

} // namespace

std::uint64_t AppGameChecksum::Field(const AppField& field) {
    Fnv fnv;
    AddField(fnv, field);
    return fnv.Hash();
}

std::uint64_t AppGameChecksum::State(const AppGame& game, const AppRandom& random) {
    Fnv fnv;
    AddField(fnv, game.Field());
    for (const std::int32_t value :
         {game.ball.x, game.ball.y, game.ball.dx, game.ball.dy, game.Score(), game.Phase(),
          game.PaddleQuota(), game.SweeperQuota(), std::int32_t(game.State()),
          std::int32_t(game.BallSprite())})
        fnv.Add(value);
    fnv.Add(random.State(), 8);
    return fnv.Hash();
}
