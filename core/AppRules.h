// The version of the game's rules, which recorded and saved games are tied to.
#pragma once

// Raised whenever a change to the rules, the random source or the order of its draws
// (rules, launch, twinkle) would play a recorded game differently; a record made under
// another version is refused rather than played wrongly.
inline constexpr int appRulesVersion = 1;
