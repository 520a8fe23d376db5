#include "cli/file_bytes.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "io/safe_file.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#define VELT_MAPPED_FILES 1
#endif

#if defined(__SANITIZE_ADDRESS__)
#define VELT_FREE_AT_EXIT 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(leak_sanitizer)
#define VELT_FREE_AT_EXIT 1
#endif
#endif

namespace velt::cli {
namespace {

std::vector<std::shared_ptr<const void>>& Kept() {
  // Never destroyed: the process ends without walking it.
  static auto* kept = new std::vector<std::shared_ptr<const void>>;
  return *kept;
}

}  // namespace

std::shared_ptr<const FileBytes> FileBytes::Open(const std::filesystem::path& path) {
  auto out = std::make_shared<FileBytes>();
#ifdef VELT_MAPPED_FILES
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
      static_cast<std::uintmax_t>(st.st_size) > kMaxFileBytes) {
    ::close(fd);
    return nullptr;
  }
  const auto size = static_cast<size_t>(st.st_size);
  if (size > 0) {
#ifdef MAP_POPULATE
    constexpr int kFlags = MAP_PRIVATE | MAP_POPULATE;
#else
    constexpr int kFlags = MAP_PRIVATE;
#endif
    void* map = ::mmap(nullptr, size, PROT_READ, kFlags, fd, 0);
    if (map != MAP_FAILED) {
      ::close(fd);
      out->map_ = map;
      out->mapSize_ = size;
      out->bytes_ = std::string_view(static_cast<const char*>(map), size);
      return out;
    }
  }
  ::close(fd);
#endif
  auto bytes = ReadWholeFile(path);
  if (!bytes) return nullptr;
  out->owned_ = std::move(*bytes);
  out->bytes_ = out->owned_;
  return out;
}

FileBytes::~FileBytes() {
#ifdef VELT_MAPPED_FILES
  if (map_) ::munmap(map_, mapSize_);
#endif
}

void KeepUntilExit(std::shared_ptr<const void> kept) {
  if (kept) Kept().push_back(std::move(kept));
}

void ExitKeepingMemory(int code) {
#ifdef VELT_FREE_AT_EXIT
  Kept().clear();
  std::exit(code);
#else
  std::fflush(nullptr);
  std::_Exit(code);
#endif
}

}  // namespace velt::cli
