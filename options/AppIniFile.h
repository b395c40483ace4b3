// The text of an INI file, read and edited by section and key.
#pragma once

#include <string>
#include <string_view>

// Reads leniently, so a hand-edited file still gives its values, and keeps
// the file's text as it is apart from the values a write changes:
//
//  - Lines end in LF, CR LF or a lone CR; a UTF-8 byte order mark before the
//    first line is kept and otherwise ignored. Blanks below are space, tab,
//    CR, VT, FF and 0x1A (the old end-of-file mark).
//  - "[name]" starts a section (leading blanks allowed; the name runs to the
//    last ']' on the line and is trimmed of blanks). A line with '[' but no
//    ']' belongs to no key. Any other non-blank line is a key line, ';' lines
//    too (there is no comment syntax): its name is the text before the first
//    '=' (or the whole line), its value the text after that '=' (empty
//    without one), both trimmed of blanks. Lines before the first section
//    belong to no section.
//  - Section and key names match without regard to ASCII case; names asked
//    for are trimmed of blanks first. Only the first section of a name counts,
//    and in it the first line of a key.
//  - Reading gives the value with one pair of enclosing double or single
//    quotes removed, since a hand-edited value may be quoted; a missing
//    section or key gives an empty value.
// AppDurableFile reads the text from disk and writes it back.
class AppIniFile {
public:
    AppIniFile() = default;

    // Text to read and edit, such as the whole of a file.
    static AppIniFile FromText(std::string text);

    const std::string& Text() const { return text_; }

    std::string ReadString(std::string_view section, std::string_view key) const;

    // Replaces the value on the first line of `key` in the first section named
    // `section`, keeping the line's name as it is spelled there and its ending;
    // or adds "key=value" after the section's last key line (after its header
    // when it has none); or adds the section at the end of the text. New lines
    // use the text's first line ending (LF when it has none). Refused, with
    // false and nothing changed, when a name is empty after trimming, any
    // argument holds CR, LF or a character 0, or the key holds '=' or starts
    // with '[' (it would not read back as that key).
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);

private:
    std::string text_;
};
