#pragma once
// Numbers typed into the dialogs' fields, read the two ways the dialogs need.
#include <optional>
#include <string_view>

namespace zav {

// A whole field that must be one number: blanks around it, an optional sign, digits and
// nothing else. Values beyond the int range are brought to its nearest end, so that a range
// check refuses them. No number: nullopt.
std::optional<int> ParseWholeNumber(std::string_view text);

// The number at the start of a field, read like "%d": leading blanks, an optional sign, the
// digits up to the first other character. No digit there: nullopt. Out-of-range values are
// brought to the nearest end of the int range.
std::optional<int> ScanLeadingNumber(std::string_view text);

// One step of an up-down control bound to a field: the field's leading number moved by `step`
// inside low..high, either wrapping past an end to the other end or stopping there. A field
// without a number steps from the low end.
int StepNumber(std::string_view text, int step, int low, int high, bool wrap);

// The step of an up-down control whose arrow has been held for `heldMs`: 1, after two seconds
// 10, after five seconds 100.
int AcceleratedStep(int heldMs);

}  // namespace zav
