// velt-cli convert IN OUT: reads a document or macro file of any version, writes version 700.
#include "cli/commands.h"
#include "cli/file_loading.h"
#include "ui/strings_files.h"

namespace velt::cli {

int RunConvert(const Args& args) {
  if (args.size() != 2) return UsageError("convert IN OUT");
  LoadedFile f = LoadAnyFile(args[0]);
  if (f.exitCode != kExitOk) return f.exitCode;
  const auto out = PathFromUtf8(args[1]);
  bool ok;
  if (f.document) {
    SaveSettings settings;
    settings.storeWindow = f.header.type == kTypeDocumentWithWindow;
    settings.window = f.header.window;
    ok = SaveDocumentFile(*f.document, out, settings);
  } else {
    ok = SaveMacroFile(f.macro, out);
  }
  if (!ok) {
    ReportError(args[1], str::kWriteError);
    return kExitWriteFailed;
  }
  return kExitOk;
}

}  // namespace velt::cli
