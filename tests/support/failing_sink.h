#pragma once
// A sink that lets `limit` bytes through to the file and then fails: a save that breaks off
// part-way, at any byte a test chooses.
#include <algorithm>
#include <cstddef>
#include <string_view>

#include "core/course/file_save.h"

namespace zav::test {

class CFailingSink : public CByteSink {
  public:
    CFailingSink(CByteSink& inner, std::size_t limit) : inner_(inner), left_(limit) {}
    bool Write(std::string_view bytes) override {
        const std::size_t n = std::min(left_, bytes.size());
        inner_.Write(bytes.substr(0, n));
        left_ -= n;
        return n == bytes.size();
    }

  private:
    CByteSink& inner_;
    std::size_t left_;
};

}  // namespace zav::test
