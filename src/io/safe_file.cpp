#include "io/safe_file.h"

#include <cstdio>
#include <random>
#include <system_error>

namespace velt {

namespace fs = std::filesystem;

fs::path PathFromUtf8(std::string_view utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathToUtf8(const fs::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  const auto size = fs::file_size(path, ec);
  if (ec || size > kMaxFileBytes) return std::nullopt;
  std::FILE* f = std::fopen(path.string().c_str(), "rb");
  if (!f) return std::nullopt;
  // The whole file in one read when its size holds; a file that grew meanwhile is read on
  // to its end.
  std::string out;
  size_t have = 0;
  out.resize(static_cast<size_t>(size) + 1);
  for (;;) {
    have += std::fread(out.data() + have, 1, out.size() - have, f);
    if (have < out.size() || std::ferror(f)) break;
    if (out.size() > kMaxFileBytes) {
      std::fclose(f);
      return std::nullopt;
    }
    out.resize(out.size() * 2);
  }
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed || have > kMaxFileBytes) return std::nullopt;
  out.resize(have);
  return out;
}

namespace {

class FileSink : public ByteSink {
 public:
  explicit FileSink(std::FILE* f) : f_(f) {}
  ~FileSink() override {
    if (f_) std::fclose(f_);
  }
  bool Write(std::string_view bytes) override {
    return f_ && std::fwrite(bytes.data(), 1, bytes.size(), f_) == bytes.size();
  }
  bool Close() override {
    if (!f_) return false;
    bool ok = std::fflush(f_) == 0 && std::ferror(f_) == 0;
    ok = std::fclose(f_) == 0 && ok;
    f_ = nullptr;
    return ok;
  }

 private:
  std::FILE* f_;
};

// A name beside the target that no file has yet.
fs::path TemporaryBeside(const fs::path& target) {
  std::random_device random;
  fs::path name = target.filename();
  name += ".";
  name += std::to_string(random() % 100000000);
  name += ".tmp";
  return target.parent_path() / name;
}

}  // namespace

std::unique_ptr<ByteSink> OpenNewFile(const fs::path& path) {
  // "x": fail rather than reuse a file that exists.
  std::FILE* f = std::fopen(path.string().c_str(), "wbx");
  if (!f) return nullptr;
  return std::make_unique<FileSink>(f);
}

bool WriteFileSafely(const fs::path& target, std::string_view bytes, const SinkOpener& open) {
  std::error_code ec;
  if (target.filename().empty() || fs::is_directory(target, ec)) return false;
  fs::path temp;
  std::unique_ptr<ByteSink> sink;
  for (unsigned attempt = 0; attempt < 8 && !sink; ++attempt) {
    temp = TemporaryBeside(target);
    if (fs::exists(temp, ec)) continue;
    sink = open(temp);
    // Not created and no other file took the name: the folder refuses new files.
    if (!sink && !fs::exists(temp, ec)) return false;
  }
  if (!sink) return false;

  bool ok = true;
  constexpr size_t kChunk = 1 << 16;
  for (size_t at = 0; ok && at < bytes.size(); at += kChunk)
    ok = sink->Write(bytes.substr(at, kChunk));
  ok = sink->Close() && ok;
  sink.reset();
  if (ok) {
    // The new file keeps the permissions of the one it replaces, made writable.
    const auto old = fs::status(target, ec);
    if (!ec && fs::exists(old))
      fs::permissions(temp, old.permissions() | fs::perms::owner_write, fs::perm_options::replace,
                      ec);
    fs::rename(temp, target, ec);
    ok = !ec;
  }
  if (!ok) fs::remove(temp, ec);
  return ok;
}

}  // namespace velt
