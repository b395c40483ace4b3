// A pair of signed coordinates: a pixel, or a (column, row) cell position.
#pragma once

struct AppPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const AppPoint&, const AppPoint&) = default;
};
