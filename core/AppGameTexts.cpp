// The words of the game's state, score and record lines: English unless the owner gives others.
#include "AppGameTexts.h"

#include <cstddef>

std::string AppGameTexts::Fill(const std::string& pattern,
                               std::initializer_list<std::string> args) {
    std::string text;
    text.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number <= args.size()) {
            text += *(args.begin() + (number - 1));
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
