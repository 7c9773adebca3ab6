#include "core/fingers/finger_layout.h"

#include <optional>

#include "core/course/textfile.h"

namespace zav {

namespace {

// The next line of the file, cut to CFingerTable::kMaxLine characters. A longer line stays one
// line: its rest is skipped rather than read as the following lines, which would shift every
// later finger of the block.
std::optional<std::string> NextLine(CLineReader& reader) {
    auto piece = reader.Next();
    if (!piece) return std::nullopt;
    std::string line = std::move(piece->text);
    // A full piece did not end at an LF: the line goes on in the next pieces.
    bool goesOn = line.size() == CLineReader::kMaxLine;
    while (goesOn) {
        auto rest = reader.Next();
        if (!rest) break;
        goesOn = rest->text.size() == CLineReader::kMaxLine;
    }
    if (line.size() > CFingerTable::kMaxLine) line.resize(CFingerTable::kMaxLine);
    return line;
}

// The keys of a finger line "field:field:keys": everything after the second colon. A line with
// fewer than two colons gives no keys, and the finger simply shows for nothing.
std::string KeysOf(const std::string& line) {
    const auto first = line.find(':');
    if (first == std::string::npos) return {};
    const auto second = line.find(':', first + 1);
    if (second == std::string::npos) return {};
    return line.substr(second + 1);
}

bool Contains(const std::string& keys, char ch) {
    return keys.find(ch) != std::string::npos;
}

}  // namespace

bool CFingerTable::LoadFingerFile(const std::filesystem::path& path) {
    auto text = ReadTextFile(path);
    if (!text) return false;
    Parse(*text);
    return true;
}

void CFingerTable::Parse(std::string_view text) {
    layouts_.clear();
    current_ = 0;
    CLineReader reader(text);
    for (;;) {
        CFingerLayout layout;
        auto name = NextLine(reader);
        if (!name) return;
        layout.name = std::move(*name);
        for (int finger = 0; finger < 8; ++finger) {
            auto line = NextLine(reader);
            // A block cut short by the end of the file adds no layout.
            if (!line) return;
            layout.fingers[finger] = KeysOf(*line);
        }
        layouts_.push_back(std::move(layout));
    }
}

std::vector<std::string> CFingerTable::LayoutNames() const {
    std::vector<std::string> names;
    for (const auto& layout : layouts_) names.push_back(layout.name);
    return names;
}

int CFingerTable::LayoutNames(std::string* names, int capacity) const {
    if (names == nullptr || capacity < LayoutCount()) return LayoutCount();
    for (const auto& layout : layouts_) *names++ = layout.name;
    return 1;
}

const CFingerLayout* CFingerTable::Current() const {
    if (current_ < 0 || current_ >= LayoutCount()) return nullptr;
    return &layouts_[current_];
}

CFingerShown CFingerTable::FingersFor(char ch) const {
    CFingerShown shown;
    const CFingerLayout* layout = Current();
    // No layout, or the 0 of an empty line: the guide shows nothing.
    if (layout == nullptr || ch == '\0') return shown;
    bool typed = false;
    for (int i = 0; i < 8; ++i) {
        shown.fingers[i] = Contains(layout->fingers[i], ch);
        typed = typed || shown.fingers[i];
    }
    shown.thumb = ch == ' ';
    shown.letter = typed ? ch : ' ';
    return shown;
}

std::string CFingerTable::AddExtraLetters(const std::string& letters) const {
    const CFingerLayout* layout = Current();
    if (layout == nullptr) return letters;
    std::string extras;
    std::array<bool, CFingerLayout::kFingers> used{};
    for (char ch : letters) {
        for (int j = 0; j < CFingerLayout::kFingers; ++j) {
            if (used[j] || !Contains(layout->fingers[j], ch)) continue;
            extras += layout->fingers[j].front();
            used[j] = true;
        }
    }
    return letters + extras;
}

}  // namespace zav
