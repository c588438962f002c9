#pragma once

#include <optional>
#include <string>

#include "common/ostrel_settings.h"

namespace ostrel {

// The fields of the leave-a-note dialog.
enum class NoteField { kFrom, kSubject, kEmail };

struct NoteEntry {
    std::string from;
    std::string subject;
    std::string email;
    std::string message;
};

// Why a note cannot be left: the text of the error box and the field that gets the focus
// afterwards (none for an empty message: the focus stays where it was).
struct NoteProblem {
    std::string text;
    std::optional<NoteField> focus;

    friend bool operator==(const NoteProblem&, const NoteProblem&) = default;
};

inline constexpr const char* kLeaveNoteCaption = "Leave a message";

// The first check the note fails, in the order name, subject, e-mail address, message; nothing
// when it may be left. Texts are taken as typed: blanks are not empty.
std::optional<NoteProblem> CheckNote(const TOstrelSettings& settings, const NoteEntry& note);

}  // namespace ostrel
