#pragma once
// What every fuzz target shares: a check that turns a broken rule into a finding. libFuzzer
// saves the input of any abort, so a failed check is reported like a crash, with its reason.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define ZAV_CHECK(condition)                                                                  \
    do {                                                                                      \
        if (!(condition)) {                                                                   \
            std::fprintf(stderr, "%s:%d: rule broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (0)

namespace zav::fuzz {

inline std::string_view Bytes(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace zav::fuzz
