// An answer of the board: its status and body, and the file name a download is saved under.
#pragma once

#include <string>

struct AppBoardResponse {
    int status = 200;
    std::string contentType = "application/json";
    std::string body;
    std::string attachment;
};
