// The texts the board reads and writes: names from headers, days in URLs, JSON and HTML.
#include "AppBoardText.h"

#include <charconv>
#include <cstdio>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The code point starting at `at`, moving `at` past it; nothing for bytes that are not
// well-formed UTF-8 (overlong forms and surrogates included).
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    int length = lead < 0x80                   ? 1
                 : lead >= 0xc2 && lead < 0xe0 ? 2
                 : (lead & 0xf0) == 0xe0       ? 3
                 : lead >= 0xf0 && lead < 0xf5 ? 4
                                               : 0;
    if (length == 0 || at + length > text.size())
        return std::nullopt;
    char32_t code = length == 1 ? lead : lead & (0x7f >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xc0) != 0x80)
            return std::nullopt;
        code = code << 6 | (next & 0x3f);
    }
    if ((length == 3 && (code < 0x800 || (code >= 0xd800 && code < 0xe000))) ||
        (length == 4 && (code < 0x10000 || code > 0x10ffff)))
        return std::nullopt;
    at += length;
    return code;
}

bool Forbidden(char32_t code) {
    const bool control = code < 0x20 || (code >= 0x7f && code < 0xa0);
    // Embeddings, overrides and isolates, which would turn the text around them.
    const bool direction = (code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069);
    return control || direction;
}

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<std::string> AppBoardText::Name(std::string_view header, std::string& reason) {
    std::string decoded;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] != '%') {
            decoded += header[i];
            continue;
        }
        const int high = i + 2 < header.size() ? HexDigit(header[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(header[i + 2]) : -1;
        if (low < 0) {
            reason = "the name is not percent-encoded";
            return std::nullopt;
        }
        decoded += static_cast<char>(high << 4 | low);
        i += 2;
    }
    std::size_t first = 0, last = decoded.size();
    while (first < last && Blank(decoded[first]))
        ++first;
    while (last > first && Blank(decoded[last - 1]))
        --last;
    const std::string_view name = std::string_view(decoded).substr(first, last - first);
    std::size_t chars = 0;
    for (std::size_t at = 0; at < name.size(); ++chars) {
        const std::optional<char32_t> code = NextCodePoint(name, at);
        if (!code) {
            reason = "the name is not UTF-8";
            return std::nullopt;
        }
        if (Forbidden(*code)) {
            reason = "the name holds a control or direction character";
            return std::nullopt;
        }
    }
    if (chars == 0 || chars > maxNameChars) {
        reason = "the name must have 1 to " + std::to_string(maxNameChars) + " characters";
        return std::nullopt;
    }
    return std::string(name);
}

bool AppBoardText::PlayerKey(std::string_view header) {
    if (header.size() != 32)
        return false;
    for (char c : header)
        if (HexDigit(c) < 0)
            return false;
    return true;
}

std::optional<std::int64_t> AppBoardText::Number(std::string_view text, std::int64_t low,
                                                 std::int64_t high) {
    std::int64_t value = 0;
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != text.npos)
        return std::nullopt;
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<std::chrono::sys_days> AppBoardText::ParseDay(std::string_view text) {
    using namespace std::chrono;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto y = Number(text.substr(0, 4), 1970, 9999);
    const auto m = Number(text.substr(5, 2), 1, 12);
    const auto d = Number(text.substr(8, 2), 1, 31);
    if (!y || !m || !d)
        return std::nullopt;
    const year_month_day date{year(static_cast<int>(*y)), month(static_cast<unsigned>(*m)),
                              day(static_cast<unsigned>(*d))};
    if (!date.ok())
        return std::nullopt;
    return sys_days(date);
}

std::string AppBoardText::Day(std::chrono::sys_days day) {
    const std::chrono::year_month_day date(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::string AppBoardText::Time(std::int64_t unixMs) {
    using namespace std::chrono;
    const sys_seconds time{duration_cast<seconds>(milliseconds(unixMs))};
    const sys_days day = floor<days>(time);
    const hh_mm_ss clock(time - day);
    char text[16];
    std::snprintf(text, sizeof text, "T%02d:%02d:%02dZ", static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return Day(day) + text;
}

std::optional<std::chrono::sys_seconds> AppBoardText::ParseTime(std::string_view text) {
    using namespace std::chrono;
    if (text.size() != 20 || text[10] != 'T' || text[13] != ':' || text[16] != ':' ||
        text[19] != 'Z')
        return std::nullopt;
    const auto day = ParseDay(text.substr(0, 10));
    const auto h = Number(text.substr(11, 2), 0, 23);
    const auto m = Number(text.substr(14, 2), 0, 59);
    const auto s = Number(text.substr(17, 2), 0, 59);
    if (!day || !h || !m || !s)
        return std::nullopt;
    return sys_seconds(*day) + hours(*h) + minutes(*m) + seconds(*s);
}

std::string AppBoardText::Json(std::string_view text) {
    std::string json = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + '"';
}

std::string AppBoardText::Html(std::string_view text) {
    std::string html;
    for (char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        case '\'':
            html += "&#39;";
            break;
        default:
            html += c;
        }
    }
    return html;
}
