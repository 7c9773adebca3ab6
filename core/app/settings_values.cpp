#include "core/app/settings_values.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/app/number_text.h"
#include "core/app/strings.h"

namespace zav {
namespace {

std::string RangeMessage(int high) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, text::kEnterIntegerRange, 0, high);
    return buffer;
}

// One numeric field: a number in 0..high, or the message that refuses it.
bool CheckField(const std::string& typed, int high, int& out, std::string& message) {
    const std::optional<int> value = ParseWholeNumber(typed);
    if (!value) {
        message = text::kEnterInteger;
        return false;
    }
    if (*value < 0 || *value > high) {
        message = RangeMessage(high);
        return false;
    }
    out = *value;
    return true;
}

}  // namespace

int PerMilleFromLimit(float limit) {
    const double perMille = std::round(static_cast<double>(limit) * 1000.0);
    // A ratio read from a damaged file may be anything; keep the field's number in int range.
    if (std::isnan(perMille)) return 0;
    return static_cast<int>(std::clamp(perMille, -1.0e9, 1.0e9));
}

float LimitFromPerMille(int perMille) {
    return static_cast<float>(perMille * 0.001);
}

SettingsValues SettingsFromDocument(const CZAVTypeDoc& doc) {
    SettingsValues values;
    values.fontName = doc.fontName;
    values.fontSize = doc.fontSize;
    values.layoutIndex = doc.keyboardLayout;
    values.badPerMille = PerMilleFromLimit(doc.badLimit);
    values.goodPerMille = PerMilleFromLimit(doc.goodLimit);
    values.maxRegularErrors = doc.okThreshold;
    return values;
}

void ApplySettings(const SettingsValues& values, CZAVTypeDoc& doc) {
    doc.fontName = values.fontName;
    doc.badLimit = LimitFromPerMille(values.badPerMille);
    doc.goodLimit = LimitFromPerMille(values.goodPerMille);
    doc.okThreshold = values.maxRegularErrors;
    doc.fontSize = values.fontSize;
    doc.keyboardLayout = values.layoutIndex;
}

SettingsCheck CheckSettingsFields(const std::string& badText, const std::string& goodText,
                                  const std::string& regularText, SettingsValues& values) {
    SettingsCheck check;
    int bad = 0, good = 0, regular = 0;
    if (!CheckField(badText, kPerMilleMax, bad, check.message)) {
        check.failed = SettingsField::Bad;
    } else if (!CheckField(goodText, kPerMilleMax, good, check.message)) {
        check.failed = SettingsField::Good;
    } else if (!CheckField(regularText, kRegularMax, regular, check.message)) {
        check.failed = SettingsField::Regular;
    } else {
        values.badPerMille = bad;
        values.goodPerMille = good;
        values.maxRegularErrors = regular;
    }
    return check;
}

int FontPixelHeight(int fontSize, int dotsPerInch) {
    const long long product = static_cast<long long>(fontSize) * dotsPerInch;
    // Rounded to nearest, halves away from zero, as the platform's multiply-divide did.
    const long long half = product >= 0 ? 360 : -360;
    return static_cast<int>((product + half) / 720);
}

}  // namespace zav
