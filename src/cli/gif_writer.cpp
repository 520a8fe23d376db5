#include "cli/gif_writer.h"

#include <unordered_map>
#include <vector>

#ifdef VELT_HAVE_GIF
#include <gif_lib.h>
#endif

namespace velt::cli {

#ifdef VELT_HAVE_GIF

bool GifSupported() { return true; }

namespace {

int Append(GifFileType* gif, const GifByteType* data, int n) {
  static_cast<std::string*>(gif->UserData)
      ->append(reinterpret_cast<const char*>(data), static_cast<size_t>(n));
  return n;
}

// The smallest power of two, from 2 to 256, that holds n colours.
int TableSize(int n) {
  int size = 2;
  while (size < n) size *= 2;
  return size;
}

}  // namespace

struct GifWriter::State {
  int width = 0, height = 0, delayCs = 0;
  std::string bytes;
  GifFileType* gif = nullptr;
  bool ok = false;
};

GifWriter::GifWriter(int width, int height, int delayCs) : state_(std::make_unique<State>()) {
  State& s = *state_;
  s.width = width;
  s.height = height;
  s.delayCs = delayCs;
  int error = 0;
  s.gif = EGifOpen(&s.bytes, Append, &error);
  if (!s.gif) return;
  EGifSetGifVersion(s.gif, true);
  if (EGifPutScreenDesc(s.gif, width, height, 8, 0, nullptr) != GIF_OK) return;
  // The application block that makes viewers loop the frames for ever.
  static const GifByteType kNetscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  static const GifByteType kLoopForEver[] = {1, 0, 0};
  s.ok = EGifPutExtensionLeader(s.gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(s.gif, sizeof kNetscape, kNetscape) == GIF_OK &&
         EGifPutExtensionBlock(s.gif, sizeof kLoopForEver, kLoopForEver) == GIF_OK &&
         EGifPutExtensionTrailer(s.gif) == GIF_OK;
}

GifWriter::~GifWriter() {
  if (state_->gif) EGifCloseFile(state_->gif, nullptr);
}

bool GifWriter::AddFrame(const uint8_t* rgb) {
  State& s = *state_;
  if (!s.ok) return false;
  const size_t n = static_cast<size_t>(s.width) * static_cast<size_t>(s.height);
  std::vector<GifByteType> indices(n);
  std::vector<GifColorType> colours;
  // The exact colours when there are few enough.
  std::unordered_map<uint32_t, GifByteType> seen;
  for (size_t i = 0; i < n && colours.size() <= 256; ++i) {
    const uint32_t key =
        uint32_t(rgb[3 * i]) << 16 | uint32_t(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
    auto [at, added] = seen.try_emplace(key, static_cast<GifByteType>(colours.size()));
    if (added) colours.push_back({rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]});
    indices[i] = at->second;
  }
  if (colours.size() > 256) {
    // Too many (smoothed edges): giflib's quantizer chooses 256.
    std::vector<GifByteType> r(n), g(n), b(n);
    for (size_t i = 0; i < n; ++i) {
      r[i] = rgb[3 * i];
      g[i] = rgb[3 * i + 1];
      b[i] = rgb[3 * i + 2];
    }
    int size = 256;
    colours.assign(256, GifColorType{});
    if (GifQuantizeBuffer(static_cast<unsigned>(s.width), static_cast<unsigned>(s.height), &size,
                          r.data(), g.data(), b.data(), indices.data(), colours.data()) != GIF_OK)
      return s.ok = false;
    colours.resize(static_cast<size_t>(size));
  }
  const int tableSize = TableSize(static_cast<int>(colours.size()));
  colours.resize(static_cast<size_t>(tableSize), GifColorType{0, 0, 0});
  ColorMapObject* map = GifMakeMapObject(tableSize, colours.data());
  if (!map) return s.ok = false;
  GraphicsControlBlock gcb{};
  gcb.DisposalMode = DISPOSE_DO_NOT;
  gcb.DelayTime = s.delayCs;
  gcb.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType ext[4];
  const size_t extLen = EGifGCBToExtension(&gcb, ext);
  bool ok =
      EGifPutExtension(s.gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(extLen), ext) == GIF_OK &&
      EGifPutImageDesc(s.gif, 0, 0, s.width, s.height, false, map) == GIF_OK;
  for (int y = 0; ok && y < s.height; ++y)
    ok = EGifPutLine(s.gif, indices.data() + static_cast<size_t>(y) * s.width, s.width) == GIF_OK;
  GifFreeMapObject(map);
  return s.ok = ok;
}

std::string GifWriter::Finish() {
  State& s = *state_;
  if (!s.gif) return {};
  const bool closed = EGifCloseFile(s.gif, nullptr) == GIF_OK;
  s.gif = nullptr;
  return s.ok && closed ? std::move(s.bytes) : std::string{};
}

#else  // without giflib

bool GifSupported() { return false; }
struct GifWriter::State {};
GifWriter::GifWriter(int, int, int) : state_(std::make_unique<State>()) {}
GifWriter::~GifWriter() = default;
bool GifWriter::AddFrame(const uint8_t*) { return false; }
std::string GifWriter::Finish() { return {}; }

#endif

}  // namespace velt::cli
