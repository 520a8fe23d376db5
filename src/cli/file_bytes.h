#pragma once
// The bytes of a file for one run of velt-cli: mapped into memory where the system allows it
// (no buffer to zero, no copy out of the system's cache), read whole otherwise.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace velt::cli {

class FileBytes {
 public:
  // Null when the file cannot be read or is larger than any file this program reads.
  static std::shared_ptr<const FileBytes> Open(const std::filesystem::path& path);

  FileBytes() = default;
  ~FileBytes();
  FileBytes(const FileBytes&) = delete;
  FileBytes& operator=(const FileBytes&) = delete;

  std::string_view bytes() const { return bytes_; }

 private:
  std::string_view bytes_;
  std::string owned_;  // the bytes when they were read rather than mapped
  void* map_ = nullptr;
  size_t mapSize_ = 0;
};

// What a run reads stays until the process ends, when the system takes it back at once:
// freeing a figure of 100,000 elements piece by piece costs a tenth of the run.
void KeepUntilExit(std::shared_ptr<const void> kept);

// Flushes the standard streams and ends the process with `code` without freeing what was
// kept. Builds with a leak checker free everything first, as usual.
[[noreturn]] void ExitKeepingMemory(int code);

}  // namespace velt::cli
