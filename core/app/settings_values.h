#pragma once
// The settings dialog's rules without its widgets: the letter limits shown in errors per
// thousand, the checks OK makes field by field, and the font height handed to the chooser.
#include <string>

#include "core/course/document.h"

namespace zav {

// The stored single-precision ratio in errors per thousand, rounded to the nearest whole
// number, so that every value 0..1000 entered comes back as entered (dropping the fraction
// turned 10 into 9, and each further OK lowered it again).
int PerMilleFromLimit(float limit);
// The entered errors per thousand as the stored ratio: value × 0.001.
float LimitFromPerMille(int perMille);

inline constexpr int kPerMilleMax = 1000;
inline constexpr int kRegularMax = 10;
inline constexpr int kRegularArrowsMax = 80;  // the arrows reach further; OK refuses it

// What the dialog holds apart from its controls' text.
struct SettingsValues {
    std::string fontName;
    int fontSize = 0;  // tenths of a point
    int layoutIndex = -1;
    int badPerMille = 0;
    int goodPerMille = 0;
    int maxRegularErrors = 0;

    bool operator==(const SettingsValues&) const = default;
};

SettingsValues SettingsFromDocument(const CZAVTypeDoc& doc);
// OK's steps 2 to 5 and 7 on the document: font, limits, threshold, layout.
void ApplySettings(const SettingsValues& values, CZAVTypeDoc& doc);

// The numeric fields as typed, in the order OK checks them.
enum class SettingsField { None, Bad, Good, Regular };

struct SettingsCheck {
    SettingsField failed = SettingsField::None;  // None: every field is good
    std::string message;                         // Windows-1252, for the failing field
};

// Checks "Mal", "Bien" and "Regular" in that order; at the first that fails, says which and
// why. On success writes the three numbers into `values`. The font name and the list cannot
// fail: they only ever hold what the document or the chooser put there.
SettingsCheck CheckSettingsFields(const std::string& badText, const std::string& goodText,
                                  const std::string& regularText, SettingsValues& values);

// A font size in tenths of a point as a cell height in pixels on a screen of `dotsPerInch`:
// size × dpi ÷ 720, rounded to the nearest integer (12 points at 96 dpi: 16 pixels).
int FontPixelHeight(int fontSize, int dotsPerInch);

}  // namespace zav
