#include "cli/file_loading.h"

#include <cstdio>

#include "cli/file_bytes.h"
#include "ui/language.h"
#include "ui/strings_files.h"

namespace velt::cli {

int UsageError(const char* usage) {
  std::fprintf(stderr, "usage: velt-cli %s\n", usage);
  return kExitUsage;
}

void ReportError(const std::string& path, int stringNumber) {
  const LanguageTable language;
  std::fprintf(stderr, "velt-cli: %s: %s\n", path.c_str(), language.Get(stringNumber).c_str());
}

LoadedFile::~LoadedFile() { KeepUntilExit(std::move(document)); }

LoadedFile LoadAnyFile(const std::string& path) {
  LoadedFile out;
  const auto file = FileBytes::Open(PathFromUtf8(path));
  FileKind fileKind = FileKind::Invalid;
  if (file) {
    KeepUntilExit(file);
    const std::string_view bytes = file->bytes();
    ByteReader r(bytes);
    out.header = ReadFileHeader(r);
    fileKind = out.header.kind;
    if (fileKind == FileKind::Macro) {
      fileKind = ReadMacroBytes(bytes, out.macro);
    } else if (fileKind == FileKind::Document || fileKind == FileKind::DocumentWithWindow) {
      DocumentLoad load = ReadDocumentBytes(bytes, Options{});
      fileKind = load.header.kind;
      out.document = std::move(load.document);
      if (load.referencesCut > 0) ReportError(path, str::kCyclicReferencesCut);
    }
  }
  switch (fileKind) {
    case FileKind::Newer:
      ReportError(path, str::kNewerVersion);
      out.exitCode = kExitNewer;
      break;
    case FileKind::Invalid:
      ReportError(path, str::kNotAValidFile);
      out.exitCode = kExitInvalid;
      break;
    default: out.exitCode = kExitOk;
  }
  return out;
}

}  // namespace velt::cli
