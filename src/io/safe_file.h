#pragma once
// Reading whole files with a size limit, and saving without ever destroying the previous
// file: the bytes go to a new file beside the target, which replaces the target only once
// everything was written, flushed and closed.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace velt {

// Largest file the readers accept.
inline constexpr std::uintmax_t kMaxFileBytes = 1024ull * 1024 * 1024;

// A path from a UTF-8 text, and back.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

// The whole file, or nothing when it cannot be opened or read or is too large.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Where the bytes of a new file go.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual bool Write(std::string_view bytes) = 0;
  // Flushes and closes; false when anything was not written.
  virtual bool Close() = 0;
};

// Opens a sink on a file that must not exist yet; null when it cannot be created.
using SinkOpener = std::function<std::unique_ptr<ByteSink>(const std::filesystem::path&)>;
std::unique_ptr<ByteSink> OpenNewFile(const std::filesystem::path& path);

// Writes bytes to a new file in the target's folder and renames it over the target. On any
// failure the temporary file is removed, the target is untouched and the result is false.
bool WriteFileSafely(const std::filesystem::path& target, std::string_view bytes,
                     const SinkOpener& open = OpenNewFile);

}  // namespace velt
