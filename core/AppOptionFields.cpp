// Each option field described once: its item in the settings file, its valid range, its control.
#include "AppOptionFields.h"

std::int32_t ClampValue(std::int32_t value, std::int32_t low, std::int32_t high) {
    if (value < low)
        value = low;
    if (value > high)
        value = high;
    return value;
}
