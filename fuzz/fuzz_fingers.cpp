// The finger table: whatever the file, the guide shows only its eight finger buttons and the
// thumb, the letter field shows the character or a blank, and the drills' extra letters are
// first keys of fingers that type the given letters.
#include <string>

#include "core/fingers/finger_layout.h"
#include "fuzz/check.h"

namespace {

void CheckGuide(const zav::CFingerTable& table, int index) {
    const bool exists = index >= 0 && index < table.LayoutCount();
    for (int code = 0; code < 256; ++code) {
        const char ch = static_cast<char>(code);
        const zav::CFingerShown shown = table.FingersFor(ch);
        bool pressed = false;
        for (bool finger : shown.fingers) pressed = pressed || finger;
        ZAV_CHECK(shown.letter == (pressed ? ch : ' '));
        ZAV_CHECK(shown.thumb == (exists && ch == ' '));
        ZAV_CHECK(exists || !pressed);
    }
}

void CheckExtras(const zav::CFingerTable& table, const std::string& letters) {
    const std::string result = table.AddExtraLetters(letters);
    ZAV_CHECK(result.compare(0, letters.size(), letters) == 0);
    const std::string extras = result.substr(letters.size());
    ZAV_CHECK(extras.size() <= static_cast<std::size_t>(zav::CFingerLayout::kFingers));
    const int index = table.CurrentLayout();
    if (index < 0 || index >= table.LayoutCount()) {
        ZAV_CHECK(extras.empty());
        return;
    }
    const auto& fingers = table.Layouts()[index].fingers;
    ZAV_CHECK(fingers[8].empty());
    for (char extra : extras) {
        bool isFirstKey = false;
        for (const auto& keys : fingers)
            isFirstKey = isFirstKey || (!keys.empty() && keys[0] == extra);
        ZAV_CHECK(isFirstKey);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const auto text = zav::fuzz::Bytes(data, size);
    zav::CFingerTable table;
    table.Parse(text);
    const int count = table.LayoutCount();
    ZAV_CHECK(table.CurrentLayout() == 0);
    ZAV_CHECK(static_cast<int>(table.LayoutNames().size()) == count);
    ZAV_CHECK(table.LayoutNames(nullptr, 0) == count);
    for (const auto& layout : table.Layouts()) {
        ZAV_CHECK(layout.name.size() <= zav::CFingerTable::kMaxLine);
        ZAV_CHECK(layout.name.find('\n') == std::string::npos);
        for (const auto& keys : layout.fingers) {
            ZAV_CHECK(keys.size() <= zav::CFingerTable::kMaxLine);
            ZAV_CHECK(keys.find('\n') == std::string::npos);
        }
    }

    // The letters of a drill: a slice of the input itself, so the fuzzer steers them too.
    const std::string letters(text.substr(0, 40));
    for (int index : {-1, 0, count - 1, count}) {
        if (index == count - 1 && index <= 0) continue;  // already checked
        table.SetLayout(index);
        CheckGuide(table, index);
        CheckExtras(table, letters);
    }
    return 0;
}
