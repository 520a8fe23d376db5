#pragma once
// Bounded little-endian bytes: the one encoding of numbers and counted blocks under both the
// document files (io/byte_reader.h, io/byte_writer.h add their texts, fonts and pictures)
// and the undo snapshots (model/snapshot.cpp).
//
// BytesIn never reads outside its bytes: every read checks what is left, the first failure
// sticks, later reads return zeros, and the caller asks ok() once at the end of a step.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace velt {

class BytesIn {
 public:
  explicit BytesIn(std::string_view bytes) : data_(bytes) {}
  BytesIn(std::string&&) = delete;  // the bytes must outlive the reader

  int32_t Int32() { return static_cast<int32_t>(Unsigned<uint32_t>()); }
  int16_t Int16() { return static_cast<int16_t>(Unsigned<uint16_t>()); }
  uint8_t Byte() { return Unsigned<uint8_t>(); }
  double Real() { return std::bit_cast<double>(Unsigned<uint64_t>()); }
  // The next n bytes, or nothing (and failed) when fewer are left.
  std::string_view Bytes(size_t n) {
    if (!Need(n)) return {};
    const auto v = data_.substr(pos_, n);
    pos_ += n;
    return v;
  }
  // A count in 0..max whose items need at least bytesEach bytes each of what is left.
  int32_t Count(int32_t max, size_t bytesEach) {
    const int32_t n = Int32();
    if (!ok_ || n < 0 || n > max ||
        (bytesEach > 0 && static_cast<size_t>(n) > Remaining() / bytesEach)) {
      Fail();
      return 0;
    }
    return n;
  }
  void Skip(size_t n) { Bytes(n); }

  void Fail() { ok_ = false; }
  bool ok() const { return ok_; }
  bool AtEnd() const { return pos_ >= data_.size(); }
  size_t Remaining() const { return ok_ ? data_.size() - pos_ : 0; }
  size_t Position() const { return pos_; }

 private:
  bool Need(size_t n) {
    if (ok_ && data_.size() - pos_ >= n) return true;
    ok_ = false;
    return false;
  }
  template <class U>
  U Unsigned() {
    if (!Need(sizeof(U))) return 0;
    U u = 0;
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(&u, data_.data() + pos_, sizeof u);
    } else {
      for (size_t i = sizeof(U); i-- > 0;)
        u = static_cast<U>((u << 8) | static_cast<uint8_t>(data_[pos_ + i]));
    }
    pos_ += sizeof(U);
    return u;
  }

  std::string_view data_;
  size_t pos_ = 0;
  bool ok_ = true;
};

class BytesOut {
 public:
  void Int32(int32_t v) { Unsigned(static_cast<uint32_t>(v)); }
  void Int16(int16_t v) { Unsigned(static_cast<uint16_t>(v)); }
  void Byte(uint8_t v) { out_.push_back(static_cast<char>(v)); }
  void Real(double v) { Unsigned(std::bit_cast<uint64_t>(v)); }
  void Bytes(std::string_view b) { out_.append(b); }

  const std::string& bytes() const { return out_; }
  std::string Take() { return std::move(out_); }
  void Reserve(size_t n) { out_.reserve(n); }

 private:
  template <class U>
  void Unsigned(U u) {
    char b[sizeof(U)];
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(b, &u, sizeof u);
    } else {
      for (size_t i = 0; i < sizeof(U); ++i) b[i] = static_cast<char>((u >> (8 * i)) & 0xFF);
    }
    out_.append(b, sizeof b);
  }

  std::string out_;
};

}  // namespace velt
