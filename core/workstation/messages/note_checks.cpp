#include "workstation/messages/note_checks.h"

#include "workstation/messages/email_syntax.h"

namespace ostrel {

std::optional<NoteProblem> CheckNote(const TOstrelSettings& settings, const NoteEntry& note) {
    if (settings.reqName && note.from.empty()) {
        return NoteProblem{"You must enter in your name into the From field.", NoteField::kFrom};
    }
    if (settings.reqSubject && note.subject.empty()) {
        return NoteProblem{"You must enter in a subject.", NoteField::kSubject};
    }
    if (settings.reqEmail && !IsValidEmail(note.email)) {
        return NoteProblem{"You must enter in a valid email address.", NoteField::kEmail};
    }
    if (note.message.empty()) return NoteProblem{"You must enter a message!", std::nullopt};
    return std::nullopt;
}

}  // namespace ostrel
