// Today's game played by the test bot to game over: a record any board can replay.
#pragma once

#include "AppGameRecord.h"

#include <optional>

// Nothing when the bot never ends it.
std::optional<AppGameRecord> PlayTodaysGame();
