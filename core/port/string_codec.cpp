#include "core/port/string_codec.h"

namespace zav {

std::vector<std::int32_t> EncodeString(std::string_view text) {
    std::vector<std::int32_t> params;
    params.reserve(text.size() + 1);
    for (char c : text) {
        if (c == '\0') break;
        params.push_back(CharToParam(c));
    }
    params.push_back(0);
    return params;
}

CStringCollector::Step CStringCollector::Add(std::int32_t param) {
    const char c = ParamToChar(param);
    if (c != '\0') {
        if (buffer_.size() < capacity_) {
            buffer_.push_back(c);
        } else {
            overflowed_ = true;
        }
        return {};
    }
    Step step;
    if (overflowed_) {
        step.status = Status::kRefused;
    } else {
        step.status = Status::kComplete;
        step.text = std::move(buffer_);
    }
    buffer_.clear();
    overflowed_ = false;
    return step;
}

}  // namespace zav
