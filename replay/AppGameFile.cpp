// The one text format of recorded and saved games: its writer and its one strict reader.
#include "AppGameFile.h"

#include "AppGameNumber.h"

#include "AppOptionFields.h"

#include <array>
#include <charconv>
#include <limits>

namespace {

constexpr std::string_view versionLead = "zingaroo game ";
// Indexed by AppInputKind and by AppGameEnd.
constexpr std::array<std::string_view, 4> inputWords = {"key", "launch", "pause", "resume"};
constexpr std::array<std::string_view, 2> endWords = {"gameover", "abandoned"};
constexpr std::uint64_t maxRulesVersion = 1'000'000;
constexpr std::uint64_t maxCounter = std::numeric_limits<std::int32_t>::max();
// The options line lists the play options' fields in the settings file's order; a field
// added there changes this format, and AppGameFile::version must go up with it.
static_assert(AppOptionTable<AppPlayOptions>::fields.size() == 7);

std::string Hex(std::uint64_t value) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = digits[value & 0xF];
    return text;
}

// What the saved line's fields other than the checksum add to it: a change to any of them
// changes the state checksum read back, which then no longer matches the game played back.
std::uint64_t SavedLineMix(const AppSavedGame& saved) {
    std::uint64_t mix = 0x5a17'9e3c'0b6d'4f21;
    for (const std::uint64_t field :
         {std::uint64_t{saved.steps}, std::uint64_t{saved.paused},
          static_cast<std::uint64_t>(saved.playMs), static_cast<std::uint64_t>(saved.ballSprite)}) {
        mix = (mix ^ field) * 0x9e37'79b9'7f4a'7c15;
        mix ^= mix >> 31;
    }
    return mix;
}

std::string Head(const AppGameRecord& record, int version) {
    std::string text = std::string(versionLead) + std::to_string(version) + "\n";
    text += "rules " + std::to_string(record.rulesVersion) + "\n";
    text += "number " + std::to_string(record.number) + "\n";
    text += "options " + OptionList(record.options) + "\n";
    for (const AppGameInput& input : record.inputs) {
        text += std::string(inputWords[static_cast<std::size_t>(input.kind)]) + " " +
                std::to_string(input.step);
        if (input.kind == AppInputKind::key) {
            for (const int field : {static_cast<int>(input.position), input.cell.x, input.cell.y})
                text.append(" ").append(std::to_string(field));
        }
        text += "\n";
    }
    return text;
}

// The fields of a line, split at each blank, held without allocating: a file is read line
// by line in its thousands. A line of more fields than any line has keeps one field more
// than that, so that its count is wrong for every line.
class LineFields {
public:
    explicit LineFields(std::string_view line) {
        for (std::size_t start = 0; count_ < fields_.size();) {
            const std::size_t blank = line.find(' ', start);
            fields_[count_++] = line.substr(start, blank - start);
            if (blank == std::string_view::npos)
                break;
            start = blank + 1;
        }
    }
    std::size_t size() const { return count_; }
    std::string_view operator[](std::size_t i) const { return fields_[i]; }

private:
    static constexpr std::size_t mostFields = 6;
    std::array<std::string_view, mostFields + 1> fields_;
    std::size_t count_ = 0;
};

// Decimal digits as written: no sign, no blanks, no leading zero.
std::optional<std::uint64_t> Number(std::string_view token, std::uint64_t low, std::uint64_t high) {
    if (token.empty() || token.size() > 19 || token.front() < '0' || token.front() > '9' ||
        (token.front() == '0' && token.size() > 1))
        return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// Sixteen lower-case hexadecimal digits, as written.
std::optional<std::uint64_t> Checksum(std::string_view token) {
    if (token.size() != 16)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : token) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit && (c < 'a' || c > 'f'))
            return std::nullopt;
        value = value << 4 | static_cast<std::uint64_t>(digit ? c - '0' : c - 'a' + 10);
    }
    return value;
}

template <class Words>
std::optional<std::size_t> WordIndex(const Words& words, std::string_view w) {
    for (std::size_t i = 0; i < words.size(); ++i)
        if (words[i] == w)
            return i;
    return std::nullopt;
}

// Reads a whole file into a saved game: the record, and either its end or the saved line.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool Read();
    const std::string& Reason() const { return reason_; }
    AppSavedGame& Game() { return game_; }
    bool Saved() const { return saved_; }

private:
    bool Fail(const std::string& why) {
        reason_ = lineNumber_ > 0 ? "line " + std::to_string(lineNumber_) + ": " + why : why;
        return false;
    }
    bool NextLine(std::string_view& line);
    bool ReadHead();
    bool ReadInput(AppInputKind kind, const LineFields& fields);
    bool ReadEnd(const LineFields& fields);
    bool ReadSavedLine(const LineFields& fields);
    bool Step(std::string_view token, std::uint32_t& step);

    std::string_view text_;
    std::size_t at_ = 0;
    int lineNumber_ = 0;
    std::string reason_;
    AppSavedGame game_;
    bool saved_ = false;
    int format_ = 0;
    bool launched_ = false;
    bool paused_ = false;
    std::uint32_t pausedAt_ = 0;
    std::uint32_t lastStep_ = 0;
};

bool Reader::NextLine(std::string_view& line) {
    if (at_ == text_.size())
        return false;
    const std::size_t end = text_.find('\n', at_);
    line = text_.substr(at_, end - at_);
    at_ = end + 1;
    ++lineNumber_;
    return true;
}

bool Reader::Read() {
    if (text_.size() > AppGameFile::maxBytes)
        return Fail("too large (" + std::to_string(text_.size()) + " bytes)");
    if (text_.empty())
        return Fail("empty");
    if (text_.back() != '\n')
        return Fail("cut short: the last line is not whole");
    if (!ReadHead())
        return false;
    std::string_view line;
    while (NextLine(line)) {
        const LineFields fields(line);
        bool read = false;
        if (const auto kind = WordIndex(inputWords, fields[0]))
            read = ReadInput(static_cast<AppInputKind>(*kind), fields);
        else if (fields[0] == "end")
            read = ReadEnd(fields);
        else if (fields[0] == "saved")
            read = ReadSavedLine(fields);
        else
            return Fail("not a line of a game file");
        if (!read)
            return false;
        if (game_.record.end || saved_)
            return at_ == text_.size() || Fail("lines after the last");
    }
    lineNumber_ = 0;
    return Fail("cut short: neither an end nor a saved line");
}

bool Reader::ReadHead() {
    std::string_view line;
    if (!NextLine(line) || !line.starts_with(versionLead))
        return Fail("not a game file");
    const std::optional<std::uint64_t> format =
        Number(line.substr(versionLead.size()), 1, maxRulesVersion);
    if (!format)
        return Fail("not a game file");
    if (*format > AppGameFile::version)
        return Fail("a later version of the format (" + std::to_string(*format) + ")");
    if (*format != AppGameFile::version && *format != AppGameFile::recordVersion)
        return Fail("not a game file");
    format_ = static_cast<int>(*format);

    AppGameRecord& record = game_.record;
    std::optional<std::uint64_t> value;
    if (!NextLine(line) || LineFields(line).size() != 2 || LineFields(line)[0] != "rules" ||
        !(value = Number(LineFields(line)[1], 1, maxRulesVersion)))
        return Fail("no rules version");
    record.rulesVersion = static_cast<std::int32_t>(*value);
    if (!NextLine(line) || LineFields(line).size() != 2 || LineFields(line)[0] != "number" ||
        !(value = Number(LineFields(line)[1], AppGameNumber::low, AppGameNumber::high)))
        return Fail("no game number");
    record.number = static_cast<std::uint32_t>(*value);
    std::optional<AppPlayOptions> options;
    if (!NextLine(line) || LineFields(line).size() != 2 || LineFields(line)[0] != "options" ||
        !(options = AppGameFile::ReadOptions(LineFields(line)[1])))
        return Fail("no valid play options");
    record.options = *options;
    return true;
}

bool Reader::Step(std::string_view token, std::uint32_t& step) {
    const std::optional<std::uint64_t> value =
        Number(token, 0, std::numeric_limits<std::uint64_t>::max());
    if (!value)
        return Fail("no step count");
    if (*value > AppGameRecord::maxSteps)
        return Fail(std::string(AppGameFile::overLongReason) + " (" + std::to_string(*value) +
                    " steps; at most " + std::to_string(AppGameRecord::maxSteps) + ")");
    step = static_cast<std::uint32_t>(*value);
    if (step < lastStep_)
        return Fail("steps out of order");
    // No step runs while the game is paused.
    if (paused_ && step != pausedAt_)
        return Fail("steps ran while paused");
    lastStep_ = step;
    return true;
}

bool Reader::ReadInput(AppInputKind kind, const LineFields& fields) {
    AppGameInput input;
    input.kind = kind;
    if (fields.size() != (kind == AppInputKind::key ? 5u : 2u))
        return Fail("wrong number of fields");
    if (!Step(fields[1], input.step))
        return false;
    if (game_.record.inputs.size() == AppGameRecord::maxInputs)
        return Fail("too many inputs");
    switch (kind) {
    case AppInputKind::key: {
        const AppPlayOptions& options = game_.record.options;
        const auto position = Number(fields[2], 1, 4);
        const auto x = Number(fields[3], 0, static_cast<std::uint64_t>(options.Width - 1));
        const auto y = Number(fields[4], 0, static_cast<std::uint64_t>(options.Height - 1));
        if (!position || !x || !y)
            return Fail("no key position and cell on the field");
        if (!launched_ || paused_)
            return Fail("a key before the launch or while paused");
        input.position = static_cast<AppKeyPosition>(*position);
        input.cell = {static_cast<int>(*x), static_cast<int>(*y)};
        break;
    }
    case AppInputKind::launch:
        if (launched_ || paused_)
            return Fail("a second launch, or one while paused");
        launched_ = true;
        break;
    case AppInputKind::pause:
    case AppInputKind::resume:
        if (paused_ != (kind == AppInputKind::resume))
            return Fail("pause and resume out of turn");
        paused_ = kind == AppInputKind::pause;
        pausedAt_ = input.step;
        break;
    }
    game_.record.inputs.push_back(input);
    return true;
}

bool Reader::ReadEnd(const LineFields& fields) {
    AppGameEnding end;
    if (fields.size() != 6)
        return Fail("wrong number of fields");
    if (!Step(fields[1], end.step))
        return false;
    const auto how = WordIndex(endWords, fields[2]);
    const auto score = Number(fields[3], 0, maxCounter);
    const auto phase = Number(fields[4], 1, maxCounter);
    const auto field = Checksum(fields[5]);
    if (!how || !score || !phase || !field)
        return Fail("no valid end");
    end.how = static_cast<AppGameEnd>(*how);
    end.score = static_cast<std::int32_t>(*score);
    end.phase = static_cast<std::int32_t>(*phase);
    end.fieldChecksum = *field;
    game_.record.end = end;
    return true;
}

bool Reader::ReadSavedLine(const LineFields& fields) {
    if (fields.size() != 6)
        return Fail("wrong number of fields");
    if (!Step(fields[1], game_.steps))
        return false;
    const auto paused = Number(fields[2], 0, 1);
    const auto playMs = Number(fields[3], 0, static_cast<std::uint64_t>(AppGameFile::maxPlayMs));
    const auto sprite = Number(fields[4], 0, 6);
    const auto state = Checksum(fields[5]);
    if (!paused || !playMs || !sprite || !state || (*sprite != 0 && *sprite != 6))
        return Fail("no valid saved line");
    if ((*paused == 1) != paused_)
        return Fail("the pause does not match the inputs");
    game_.paused = *paused == 1;
    game_.playMs = static_cast<std::int64_t>(*playMs);
    game_.ballSprite = static_cast<std::int32_t>(*sprite);
    game_.stateChecksum =
        format_ == AppGameFile::recordVersion ? *state : *state ^ SavedLineMix(game_);
    saved_ = true;
    return true;
}

} // namespace

std::string AppGameFile::Text(const AppGameRecord& record) {
    std::string text = Head(record, recordVersion);
    if (const std::optional<AppGameEnding>& end = record.end)
        text += "end " + std::to_string(end->step) + " " +
                std::string(endWords[static_cast<std::size_t>(end->how)]) + " " +
                std::to_string(end->score) + " " + std::to_string(end->phase) + " " +
                Hex(end->fieldChecksum) + "\n";
    return text;
}

std::string AppGameFile::Text(const AppSavedGame& saved) {
    return Head(saved.record, version) + "saved " + std::to_string(saved.steps) + " " +
           (saved.paused ? "1" : "0") + " " + std::to_string(saved.playMs) + " " +
           std::to_string(saved.ballSprite) + " " + Hex(saved.stateChecksum ^ SavedLineMix(saved)) +
           "\n";
}

std::optional<AppGameRecord> AppGameFile::ReadRecord(std::string_view text, std::string& reason) {
    Reader reader(text);
    if (!reader.Read()) {
        reason = reader.Reason();
        return std::nullopt;
    }
    if (reader.Saved()) {
        reason = "a saved game, not a finished one";
        return std::nullopt;
    }
    return std::move(reader.Game().record);
}

std::optional<AppSavedGame> AppGameFile::ReadSaved(std::string_view text, std::string& reason) {
    Reader reader(text);
    if (!reader.Read()) {
        reason = reader.Reason();
        return std::nullopt;
    }
    if (!reader.Saved()) {
        reason = "a finished game, not one in play";
        return std::nullopt;
    }
    return std::move(reader.Game());
}

// Every field in its valid range: a game is never dealt with options the game would change.
std::optional<AppPlayOptions> AppGameFile::ReadOptions(std::string_view list) {
    AppPlayOptions options;
    const auto& fields = AppOptionTable<AppPlayOptions>::fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t comma = list.find(',', start);
        if ((comma == std::string_view::npos) != (i + 1 == fields.size()))
            return std::nullopt;
        const std::string_view item = list.substr(start, comma - start);
        start = comma + 1;
        const AppOptionField<AppPlayOptions>& field = fields[i];
        if (field.flag) {
            if (item != "0" && item != "1")
                return std::nullopt;
            options.*field.flag = item == "1";
        } else {
            const std::optional<std::uint64_t> value =
                Number(item, static_cast<std::uint64_t>(field.low),
                       static_cast<std::uint64_t>(field.high));
            if (!value)
                return std::nullopt;
            options.*field.integer = static_cast<std::int32_t>(*value);
        }
    }
    return options;
}
