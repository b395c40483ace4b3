// Replay files of a day's game for the board's tests, played by the test bot.
#pragma once

#include "AppPlayOptions.h"

#include <chrono>
#include <cstdint>
#include <string>

// The day's game (or the day's number dealt with `options`) played by the bot and left after
// `steps` steps: the first of its tries from `seed` on that lasts them; the file as the game
// writes it.
std::string DayGame(std::chrono::sys_days day, std::uint32_t steps, std::uint64_t seed = 1);
std::string DayGame(std::chrono::sys_days day, std::uint32_t steps, const AppPlayOptions& options);
// The score the file's end line claims.
int ClaimedScore(const std::string& file);
// The file with its claimed score raised by one.
std::string WithScoreEdited(const std::string& file);
