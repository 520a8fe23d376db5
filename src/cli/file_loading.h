#pragma once
// Loading documents and macro files for the subcommands, with their errors on stderr.
#include <memory>
#include <string>

#include "io/document_file.h"
#include "io/macro_file.h"

namespace velt::cli {

// Exit codes shared by the file subcommands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitInvalid = 2;
inline constexpr int kExitNewer = 3;
inline constexpr int kExitWriteFailed = 5;

// One line "usage: velt-cli USAGE" on stderr; returns the usage exit code.
int UsageError(const char* usage);

// One line "velt-cli: PATH: MESSAGE" on stderr, the message from the language table.
void ReportError(const std::string& path, int stringNumber);

// The document is kept until the process ends rather than freed (see KeepUntilExit).
struct LoadedFile {
  LoadedFile() = default;
  LoadedFile(LoadedFile&&) = default;
  LoadedFile& operator=(LoadedFile&&) = default;
  ~LoadedFile();

  int exitCode = kExitInvalid;
  FileHeader header;
  std::unique_ptr<Document> document;  // for documents
  Macro macro;                         // for macro files
};

// Reads a document or a macro file; reports the failure itself.
LoadedFile LoadAnyFile(const std::string& path);

}  // namespace velt::cli
