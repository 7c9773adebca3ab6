#pragma once
// Error-mark positions of one turn: at most 250 distinct values, kept in insertion order.
#include <array>

namespace zav {

class CMarkSet {
  public:
    static constexpr int kCapacity = 250;

    // Appends `value` unless the set is full or already holds it; true when it was appended.
    bool Add(int value);
    // Adds every entry of `other` in its order, as far as room allows.
    void Merge(const CMarkSet& other);
    void Clear() { count_ = 0; }

    int Count() const { return count_; }
    const int* begin() const { return values_.data(); }
    const int* end() const { return values_.data() + count_; }

  private:
    std::array<int, kCapacity> values_{};
    int count_ = 0;
};

}  // namespace zav
