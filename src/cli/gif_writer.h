#pragma once
// An animated GIF built in memory from RGB frames, through giflib: every frame gets its own
// colour table (the exact colours when it has at most 256, else giflib's quantizer), a
// delay, and the picture loops for ever.
#include <cstdint>
#include <memory>
#include <string>

namespace velt::cli {

// Whether this build has giflib.
bool GifSupported();

class GifWriter {
 public:
  // A picture of width x height pixels whose frames show for delayCs hundredths of a second.
  GifWriter(int width, int height, int delayCs);
  ~GifWriter();
  GifWriter(const GifWriter&) = delete;
  GifWriter& operator=(const GifWriter&) = delete;

  // One frame: width * height pixels, three bytes each (red, green, blue), rows top down.
  bool AddFrame(const uint8_t* rgb);
  // The file's bytes; empty when giflib failed or is missing.
  std::string Finish();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace velt::cli
