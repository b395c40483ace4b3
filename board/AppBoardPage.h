// The board of a day as an HTML page that reads without scripts.
#pragma once

#include "AppBoardStore.h"

#include <string>
#include <vector>

class AppBoardPage {
public:
    static std::string Html(const std::string& day, const std::vector<AppBoardLine>& lines,
                            const std::vector<std::string>& earlierDays);
};
