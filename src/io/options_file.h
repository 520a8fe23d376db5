#pragma once
// The options file (velt.ini): the user's general options, default colours and fonts, bar
// visibility and the language, in one binary record.
#include <filesystem>
#include <string>
#include <string_view>

#include "io/safe_file.h"
#include "model/options.h"

namespace velt {

inline constexpr int32_t kOptionsVersion = 700;
inline constexpr size_t kMaxLanguageName = 40;

// The bytes of the options file.
std::string OptionsFileBytes(const Options& o);

// Reads the options from the bytes of the file. The magic and version must match, every
// count must be in range and nothing may be missing; otherwise the result is false and
// out is left as it was. A plane size below the screen extent is raised to it.
bool ReadOptionsBytes(std::string_view bytes, int screenExtent, Options& out);

enum class OptionsLoad {
  Loaded,   // every option set from the file
  Missing,  // no file: the caller sets the defaults and creates it
  Damaged,  // a file that is not a whole options file of this version
};
OptionsLoad LoadOptionsFile(const std::filesystem::path& path, int screenExtent, Options& out);
bool SaveOptionsFile(const Options& o, const std::filesystem::path& path,
                     const SinkOpener& open = OpenNewFile);

}  // namespace velt
