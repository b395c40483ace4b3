// Reads a signed decimal integer, the one notation the settings file and the options dialog use.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// An optional '-' or '+' and one or more decimal digits, in the signed 32-bit
// range; nothing else, no blanks, no other notation. Anything else is no
// integer.
std::optional<std::int32_t> ParseDecimal(std::string_view text);
