// The rules and pace of a game: field size, paddle quotas, speed, sweepers.
#include "AppPlayOptions.h"

AppPlayOptions::AppPlayOptions(std::int32_t width, std::int32_t height, std::int32_t paddleFirst,
                               std::int32_t paddlePlus, std::int32_t paddleMax, std::int32_t speed,
                               bool useSweeper)
    : Width(width), Height(height), PaddleFirst(paddleFirst), PaddlePlus(paddlePlus),
      PaddleMax(paddleMax), Speed(speed), UseSweeper(useSweeper) {}
