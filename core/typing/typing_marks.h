#pragma once
// The two marks that help while typing, each switched on or off by the user: the next character
// of the line to copy marked where it stands, and a wrong key shown in the error colour.
namespace zav {

struct TypingMarks {
    bool nextLetter = true;
    bool wrongKey = true;

    bool operator==(const TypingMarks&) const = default;
};

}  // namespace zav
