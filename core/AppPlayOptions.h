// The rules and pace of a game: field size, paddle quotas, speed, sweepers.
#pragma once

#include <cstdint>

class AppPlayOptions {
public:
    AppPlayOptions() = default;
    AppPlayOptions(std::int32_t width, std::int32_t height, std::int32_t paddleFirst,
                   std::int32_t paddlePlus, std::int32_t paddleMax, std::int32_t speed,
                   bool useSweeper);
    AppPlayOptions(const AppPlayOptions&) = default;
    AppPlayOptions& operator=(const AppPlayOptions&) = default;
    virtual ~AppPlayOptions() = default;

    friend bool operator==(const AppPlayOptions&, const AppPlayOptions&) = default;

    std::int32_t Width = 24;
    std::int32_t Height = 18;
    std::int32_t PaddleFirst = 6;
    std::int32_t PaddlePlus = 6;
    std::int32_t PaddleMax = 60;
    std::int32_t Speed = 160;
    bool UseSweeper = true;
};
