#pragma once
// Appends JSON tokens to a string: keys, integers and reals, without locales or streams.
// Reals are written as printf's "%.17g" writes them (non-finite values as null), so that
// every double reads back exactly.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace velt::cli {

class JsonOut {
 public:
  explicit JsonOut(std::string& out) : out_(out) {}

  JsonOut& Raw(std::string_view text) {
    out_ += text;
    return *this;
  }
  JsonOut& Raw(char c) {
    out_ += c;
    return *this;
  }
  // "key": (the key is a plain identifier, never escaped)
  JsonOut& Key(std::string_view key) {
    out_ += '"';
    out_ += key;
    out_ += "\":";
    return *this;
  }
  JsonOut& Int(int64_t v) {
    char buffer[24];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    out_.append(buffer, r.ptr);
    return *this;
  }
  JsonOut& Real(double v) {
    if (!std::isfinite(v)) return Raw("null");
    char buffer[40];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 17);
    out_.append(buffer, r.ptr);
    return *this;
  }

 private:
  std::string& out_;
};

}  // namespace velt::cli
