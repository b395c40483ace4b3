// Splits a settings value into the items of a comma-separated list.
#include "AppCommaList.h"

namespace {

constexpr char delimiter = ',';
constexpr char quote = '"';

// The value as a sequence that ends at its end or at its first character 0.
class Cursor {
public:
    explicit Cursor(std::string_view value) : text_(value.substr(0, value.find('\0'))) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }
    void Advance() { ++pos_; }

    bool AtBlank() const {
        const auto code = static_cast<unsigned char>(Peek());
        return code >= 1 && code <= 32;
    }
    void SkipBlanks() {
        while (AtBlank())
            Advance();
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Reads a quoted item starting at its opening quote, up to and past the
// closing quote, with doubled quotes made single.
std::string ReadQuoted(Cursor& cursor) {
    std::string item;
    cursor.Advance();
    while (!cursor.AtEnd()) {
        const char c = cursor.Peek();
        cursor.Advance();
        if (c != quote) {
            item += c;
            continue;
        }
        if (cursor.Peek() != quote)
            return item;
        item += quote;
        cursor.Advance();
    }
    return item;
}

// Reads an unquoted item: everything up to the next comma, blank or the end.
std::string ReadPlain(Cursor& cursor) {
    std::string item;
    while (!cursor.AtEnd() && !cursor.AtBlank() && cursor.Peek() != delimiter) {
        item += cursor.Peek();
        cursor.Advance();
    }
    return item;
}

} // namespace

std::vector<std::string> SplitCommaList(std::string_view value) {
    std::vector<std::string> items;
    Cursor cursor(value);
    cursor.SkipBlanks();
    while (!cursor.AtEnd()) {
        items.push_back(cursor.Peek() == quote ? ReadQuoted(cursor) : ReadPlain(cursor));
        cursor.SkipBlanks();
        if (cursor.Peek() == delimiter) {
            if (cursor.Peek(1) == '\0')
                items.emplace_back();
            cursor.Advance();
            cursor.SkipBlanks();
        }
    }
    return items;
}
