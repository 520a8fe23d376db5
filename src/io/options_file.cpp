#include "io/options_file.h"

#include <cmath>
#include <system_error>

#include "io/byte_reader.h"
#include "io/byte_writer.h"
#include "io/text_encoding.h"

namespace velt {
namespace {

constexpr std::string_view kMagic = "VELT";

// The element types whose default colour and shape the file keeps, in the file's order.
constexpr int kStoredTypes[] = {kTypePoint,  kTypeLine, kTypeRay,      kTypeSegment,
                                kTypeCircle, kTypeArc,  kTypePolygon,  kTypeAngle,
                                kTypeLocus,  kTypeAxes, kTypeIteration};

// Every field in the file's order, for reading and writing alike.
template <class Io>
void Fields(Io& io, auto& o) {
  io.Int(o.windowLeft);
  io.Int(o.windowTop);
  io.Int(o.windowHeight);
  io.Int(o.windowWidth);
  io.Int(o.windowState);
  io.Int(o.backgroundColour);
  io.Int(o.hiddenColour);
  io.Int(o.selectionColour);
  io.Int(o.antiAliased);
  io.Real(o.planeSize);
  io.Int(o.mainBarVisible);
  io.Int(o.editBarVisible);
  io.Int(o.documentBarVisible);
  io.Int(o.statusBarVisible);
  io.Int(o.fullScreen);
  io.Int(o.showHidden);
  io.FontField(o.textFont);
  io.FontField(o.nameFont);
  io.FontField(o.numberFont);
  io.FontField(o.cursorFont);
  io.FontField(o.listFont);
  io.Int(o.listBackground);
  io.Real(o.angleMarkFactor);
  io.Int(o.detectionDistance);
  io.Int(o.nameDistance);
  io.Int(o.adaptCursorColour);
  io.Int(o.bigButtons);
  io.Int(o.lengthUnit);
  io.Int(o.angleUnit);
  io.Real(o.measureScale);
  io.Int(o.coordinateSystem);
  io.Int(o.decimals);
  io.Int(o.locusPoints);
  io.Int(o.hideMacroIntermediates);
  io.Int(o.stepFromFirst);
  for (int t : kStoredTypes) io.Int(o.typeColours[t]);
  for (int t : kStoredTypes) io.Int(o.typeStyles[t]);
}

struct Writer {
  ByteWriter w;
  void Int(int32_t v) { w.Int32(v); }
  void Real(double v) { w.Real(v); }
  void FontField(const Font& f) { w.WriteFont(f); }
};

struct Reader {
  ByteReader r;
  void Int(int32_t& v) { v = r.Int32(); }
  void Real(double& v) { v = r.Real(); }
  void FontField(Font& f) { f = r.DocumentFont(); }
};

bool Between(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

// Values that index tables or size drawings must be usable; anything else means damage.
bool Plausible(const Options& o) {
  for (const Font* f : {&o.textFont, &o.nameFont, &o.numberFont, &o.cursorFont, &o.listFont})
    if (!Between(f->size, 1, 1000)) return false;
  return Between(o.lengthUnit, 0, 3) && Between(o.angleUnit, 0, 2) &&
         Between(o.coordinateSystem, 0, 1) && Between(o.decimals, 0, 8) &&
         Between(o.locusPoints, 1, 50000) && Between(o.detectionDistance, 0, 100) &&
         Between(o.nameDistance, 0, 1000) && std::isfinite(o.planeSize) && o.planeSize <= 1e7 &&
         std::isfinite(o.measureScale) && o.measureScale > 0 && std::isfinite(o.angleMarkFactor) &&
         o.angleMarkFactor >= 0;
}

}  // namespace

std::string OptionsFileBytes(const Options& o) {
  Writer io;
  io.w.Bytes(kMagic);
  io.w.Int32(kOptionsVersion);
  // The name is at most 40 bytes of the file's code page.
  std::string language = Utf8ToCp1252(o.language);
  if (language.size() > kMaxLanguageName) language.resize(kMaxLanguageName);
  io.w.Int32(static_cast<int32_t>(language.size()));
  io.w.Bytes(language);
  Fields(io, o);
  return io.w.Take();
}

bool ReadOptionsBytes(std::string_view bytes, int screenExtent, Options& out) {
  Reader io{ByteReader(bytes)};
  if (io.r.Bytes(kMagic.size()) != kMagic || io.r.Int32() != kOptionsVersion) return false;
  Options o = out;
  const int32_t n = io.r.Int32();
  if (!io.r.ok() || n < 0 || static_cast<size_t>(n) > kMaxLanguageName) return false;
  o.language = Cp1252ToUtf8(io.r.Bytes(static_cast<size_t>(n)));
  Fields(io, o);
  if (!io.r.ok() || !Plausible(o)) return false;
  if (o.planeSize < screenExtent) o.planeSize = screenExtent;
  out = std::move(o);
  return true;
}

OptionsLoad LoadOptionsFile(const std::filesystem::path& path, int screenExtent, Options& out) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return OptionsLoad::Missing;
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes || !ReadOptionsBytes(*bytes, screenExtent, out)) return OptionsLoad::Damaged;
  return OptionsLoad::Loaded;
}

bool SaveOptionsFile(const Options& o, const std::filesystem::path& path, const SinkOpener& open) {
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  return WriteFileSafely(path, OptionsFileBytes(o), open);
}

}  // namespace velt
