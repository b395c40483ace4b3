// Plays a record's inputs into a recorder as the player made them: each after its step.
#pragma once

#include "AppGameRecorder.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

// The whole of a file, as bytes; empty when it cannot be read.
inline std::string FileText(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// A point of a recorded game: `steps` steps run and the record's first `inputs` inputs made.
struct ReplayCut {
    std::uint32_t steps = 0;
    std::size_t inputs = 0;
};

// Makes the record's inputs from `next` on, stepping the game between them, up to `until`
// or to the record's end (abandoning the game there when it was). False when an input did
// not act.
inline bool Drive(AppGameRecorder& recorder, const AppGameRecord& record, std::size_t next,
                  std::optional<ReplayCut> until) {
    const std::optional<AppGameEnding>& end = record.end;
    while (!until || recorder.Steps() != until->steps || next != until->inputs) {
        if (next < record.inputs.size() && record.inputs[next].step == recorder.Steps()) {
            const AppGameInput& input = record.inputs[next++];
            const bool acted = input.kind == AppInputKind::key
                                   ? recorder.KeyAtCell(input.position, input.cell)
                               : input.kind == AppInputKind::launch
                                   ? recorder.MouseDown(AppMouseButton::Left)
                                   : recorder.SetPaused(input.kind == AppInputKind::pause);
            if (!acted)
                return false;
        } else if (!recorder.Recording() || (end && end->step == recorder.Steps())) {
            if (end && end->how == AppGameEnd::abandoned)
                recorder.Abandon();
            return true;
        } else {
            recorder.Step();
        }
    }
    return true;
}
