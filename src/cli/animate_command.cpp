// velt-cli animate FILE -o OUT.gif|OUT.png --frames N [--size WxH] [--centre]: runs the
// document's animation for N ticks without a display; after each tick the figure becomes one
// frame of an animated GIF, or one numbered PNG picture OUT-0001.png, OUT-0002.png, ...
// The frames are drawn by velt-cli-png (it links Qt; velt-cli does not); the GIF is encoded
// here, from the frames' pixels the helper sends through a pipe.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli/commands.h"
#include "cli/file_loading.h"
#include "cli/gif_writer.h"
#include "view/export_picture.h"
#include "view/render.h"

extern char** environ;

namespace velt::cli {
namespace {

constexpr const char* kUsage = "animate FILE -o OUT.gif|OUT.png --frames N [--size WxH] [--centre]";
constexpr int kMaxFrames = 9999;
// Frames of a GIF follow each other as the animation's ticks do: 30 ms apart.
constexpr int kFrameDelayCs = 3;

constexpr const char* kCannotWrite = "cannot write the picture";
constexpr const char* kMacroHasNoPicture = "a macro file has no picture";
constexpr const char* kNeedsQt = "animated pictures need the Qt build";
constexpr const char* kNeedsGiflib = "GIF pictures need giflib; write .png frames instead";

int WriteFailed(const std::string& path) {
  std::fprintf(stderr, "velt-cli: %s: %s\n", path.c_str(), kCannotWrite);
  return kExitWriteFailed;
}

bool EndsWith(std::string s, const char* tail) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::string t = tail;
  return s.size() > t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

std::string HelperPath() {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return (self.parent_path() / "velt-cli-png").string();
}

struct Job {
  std::string in, out;
  int frames = 0;
  RenderSettings settings;
};

// Starts the helper; with a pipe, its standard output comes back through *readEnd.
bool Spawn(const Job& job, const std::string& target, pid_t& pid, int* readEnd) {
  const std::string helper = HelperPath();
  if (helper.empty() || access(helper.c_str(), X_OK) != 0) return false;
  std::vector<std::string> words = {"velt-cli-png",
                                    "--frames",
                                    std::to_string(job.frames),
                                    job.in,
                                    target,
                                    std::to_string(job.settings.width),
                                    std::to_string(job.settings.height),
                                    job.settings.centre ? "1" : "0"};
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  int fds[2] = {-1, -1};
  if (readEnd) {
    if (pipe2(fds, O_CLOEXEC) != 0) return false;
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  }
  const bool started =
      posix_spawn(&pid, helper.c_str(), &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  if (readEnd) {
    close(fds[1]);
    if (started) {
      *readEnd = fds[0];
    } else {
      close(fds[0]);
    }
  }
  return started;
}

bool HelperSucceeded(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Reads exactly n bytes; false at an early end.
bool ReadAll(int fd, uint8_t* to, size_t n) {
  while (n > 0) {
    const ssize_t got = read(fd, to, n);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    to += got;
    n -= static_cast<size_t>(got);
  }
  return true;
}

int WriteGif(const Job& job) {
  pid_t pid = 0;
  int fd = -1;
  if (!Spawn(job, "-", pid, &fd)) {
    std::fprintf(stderr, "velt-cli: %s\n", kNeedsQt);
    return kExitUsage;
  }
  const int w = job.settings.width, h = job.settings.height;
  GifWriter gif(w, h, kFrameDelayCs);
  std::vector<uint8_t> frame(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
  bool ok = true;
  for (int i = 0; i < job.frames && ok; ++i)
    ok = ReadAll(fd, frame.data(), frame.size()) && gif.AddFrame(frame.data());
  close(fd);
  const bool helperOk = HelperSucceeded(pid);
  const std::string bytes = gif.Finish();
  if (!ok || !helperOk || bytes.empty()) return WriteFailed(job.out);
  return SavePictureFile(job.out, bytes) == SaveResult::kSaved ? kExitOk : WriteFailed(job.out);
}

int WritePngFrames(const Job& job) {
  pid_t pid = 0;
  if (!Spawn(job, job.out, pid, nullptr)) {
    std::fprintf(stderr, "velt-cli: %s\n", kNeedsQt);
    return kExitUsage;
  }
  return HelperSucceeded(pid) ? kExitOk : WriteFailed(job.out);
}

}  // namespace

int RunAnimate(const Args& args) {
  Job job;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o" && i + 1 < args.size()) {
      job.out = args[++i];
    } else if (a == "--frames" && i + 1 < args.size()) {
      const std::string& n = args[++i];
      if (n.empty() || n.size() > 4 || n.find_first_not_of("0123456789") != std::string::npos)
        return UsageError(kUsage);
      job.frames = std::stoi(n);
    } else if (a == "--size" && i + 1 < args.size()) {
      if (!ParsePictureSize(args[++i], job.settings.width, job.settings.height))
        return UsageError(kUsage);
    } else if (a == "--centre" || a == "--center") {
      job.settings.centre = true;
    } else if (job.in.empty() && !a.empty() && a[0] != '-') {
      job.in = a;
    } else {
      return UsageError(kUsage);
    }
  }
  const bool gif = EndsWith(job.out, ".gif");
  if (job.in.empty() || job.frames < 1 || job.frames > kMaxFrames ||
      !(gif || EndsWith(job.out, ".png")))
    return UsageError(kUsage);
  LoadedFile loaded = LoadAnyFile(job.in);
  if (loaded.exitCode != kExitOk) return loaded.exitCode;
  if (!loaded.document) {
    std::fprintf(stderr, "velt-cli: %s: %s\n", job.in.c_str(), kMacroHasNoPicture);
    return kExitInvalid;
  }
  if (gif && !GifSupported()) {
    std::fprintf(stderr, "velt-cli: %s\n", kNeedsGiflib);
    return kExitUsage;
  }
  return gif ? WriteGif(job) : WritePngFrames(job);
}

}  // namespace velt::cli
