// SHA-256 of a byte string, written out as 64 lowercase hex digits.
#pragma once

#include <string>
#include <string_view>

class AppSha256 {
public:
    static std::string Hex(std::string_view bytes);
};
