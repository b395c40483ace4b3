// The text of an INI file, read and edited by section and key.
#include "AppIniFile.h"

#include <cstddef>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

enum class LineKind { Blank, Section, Key, Other };

// One line of the text: [start, end) is its content, [end, next) its ending.
struct IniLine {
    std::size_t start = 0;
    std::size_t end = 0;
    std::size_t next = 0;
    LineKind kind = LineKind::Blank;
    std::string_view name;
    std::string_view value;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

void Classify(std::string_view content, IniLine& line) {
    content = Trim(content);
    if (content.empty()) {
        line.kind = LineKind::Blank;
    } else if (content.front() == '[') {
        const std::size_t close = content.rfind(']');
        if (close == 0 || close == std::string_view::npos) {
            line.kind = LineKind::Other;
        } else {
            line.kind = LineKind::Section;
            line.name = Trim(content.substr(1, close - 1));
        }
    } else {
        line.kind = LineKind::Key;
        const std::size_t equals = content.find('=');
        line.name = Trim(content.substr(0, equals));
        if (equals != std::string_view::npos)
            line.value = Trim(content.substr(equals + 1));
    }
}

// Walks the text line by line without copying it.
class LineScanner {
public:
    explicit LineScanner(std::string_view text)
        : text_(text),
          pos_(text.substr(0, byteOrderMark.size()) == byteOrderMark ? byteOrderMark.size() : 0) {}

    bool Next(IniLine& line) {
        if (pos_ >= text_.size())
            return false;
        line = IniLine();
        line.start = pos_;
        const std::size_t end = text_.find_first_of("\r\n", pos_);
        if (end == std::string_view::npos) {
            line.end = line.next = text_.size();
        } else {
            line.end = end;
            const bool crlf =
                text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n';
            line.next = end + (crlf ? 2 : 1);
        }
        Classify(text_.substr(line.start, line.end - line.start), line);
        pos_ = line.next;
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_;
};

// Where a key sits: the section's header line, the key's line if it has one,
// and the line a new key would follow.
struct KeyPlace {
    bool hasSection = false;
    bool hasKey = false;
    IniLine key;
    IniLine lastKeyLine; // the header when the section has no key lines
    bool hasLines = false;
    IniLine lastLine; // of the whole text
};

KeyPlace FindKey(std::string_view text, std::string_view section, std::string_view key) {
    KeyPlace place;
    LineScanner scanner(text);
    IniLine line;
    bool inSection = false;
    while (scanner.Next(line)) {
        place.hasLines = true;
        place.lastLine = line;
        if (place.hasKey || (place.hasSection && !inSection))
            continue;
        if (line.kind == LineKind::Section) {
            inSection = !place.hasSection && SameName(line.name, section);
            if (inSection) {
                place.hasSection = true;
                place.lastKeyLine = line;
            }
            continue;
        }
        if (!inSection || line.kind != LineKind::Key)
            continue;
        if (SameName(line.name, key)) {
            place.hasKey = true;
            place.key = line;
        } else {
            place.lastKeyLine = line;
        }
    }
    return place;
}

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string LineEnding(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos || text[end] == '\n')
        return "\n";
    return text.substr(end + 1, 1) == "\n" ? "\r\n" : "\r";
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool CanStore(std::string_view section, std::string_view key, std::string_view value) {
    if (section.empty() || key.empty())
        return false;
    if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) || HasLineBreakOrNul(value))
        return false;
    return key.find('=') == std::string_view::npos && key.front() != '[';
}

} // namespace

AppIniFile AppIniFile::FromText(std::string text) {
    AppIniFile file;
    file.text_ = std::move(text);
    return file;
}

std::string AppIniFile::ReadString(std::string_view section, std::string_view key) const {
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || key.empty())
        return {};
    const KeyPlace place = FindKey(text_, section, key);
    if (!place.hasKey)
        return {};
    return std::string(StripQuotes(place.key.value));
}

bool AppIniFile::WriteString(std::string_view section, std::string_view key,
                             std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    if (!CanStore(section, key, value))
        return false;
    const std::string eol = LineEnding(text_);
    std::string keyLine = std::string(key) + "=" + std::string(value);
    const KeyPlace place = FindKey(text_, section, key);

    if (place.hasKey) {
        // Everything up to the value stays: the name as spelled there, the
        // blanks around it and the '='.
        const IniLine& line = place.key;
        const std::size_t nameEnd =
            static_cast<std::size_t>(line.name.data() + line.name.size() - text_.data());
        const std::size_t equals = text_.find('=', nameEnd);
        if (equals < line.end) {
            std::size_t valueStart = equals + 1;
            while (valueStart < line.end && IsBlank(text_[valueStart]))
                ++valueStart;
            text_.replace(valueStart, line.end - valueStart, value);
        } else {
            // Two calls rather than "=" + value: GCC 12 sees a false overlap in that sum.
            text_.replace(nameEnd, line.end - nameEnd, "=");
            text_.insert(nameEnd + 1, value);
        }
    } else if (place.hasSection) {
        const IniLine& after = place.lastKeyLine;
        if (after.next == after.end)
            text_.insert(after.next, eol + keyLine + eol);
        else
            text_.insert(after.next, keyLine + eol);
    } else {
        if (place.hasLines && place.lastLine.next == place.lastLine.end)
            text_ += eol;
        if (place.hasLines && place.lastLine.kind != LineKind::Blank)
            text_ += eol;
        // Appended piece by piece: GCC 12 sees a false overlap in "[" + string.
        text_.append("[").append(section).append("]").append(eol).append(keyLine).append(eol);
    }
    return true;
}
