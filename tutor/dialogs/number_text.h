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

}  // namespace zav
