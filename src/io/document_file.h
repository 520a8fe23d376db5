#pragma once
// Document files (*.vlt): header, document block, element records, embedded macros.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "io/file_header.h"
#include "io/safe_file.h"
#include "model/document.h"
#include "model/options.h"

namespace velt {

// What a file is, from its first words only; Invalid when it cannot be opened.
FileHeader CheckFile(const std::filesystem::path& path);

struct DocumentLoad {
  FileHeader header;                   // header.kind says how the load went
  std::unique_ptr<Document> document;  // set only when the load succeeded
  // References that formed a cycle and were cut; the caller tells the user when there are
  // any. The list is otherwise put into an order where parents come first.
  int referencesCut = 0;
};

// Reads a document (types 10 and 11). Whatever the file does not store comes from the
// options. References are rebuilt from the stored numbers and the list is renumbered; the
// document is neither recomputed nor given a path.
DocumentLoad ReadDocumentBytes(std::string_view bytes, const Options& options);
DocumentLoad LoadDocumentFile(const std::filesystem::path& path, const Options& options);

struct SaveSettings {
  bool storeWindow = false;  // type 11 with the window geometry
  WindowGeometry window{};
};

// The bytes of the document in the current version. Renumbers the list and refreshes every
// stored number from its reference first.
std::string DocumentFileBytes(Document& doc, const SaveSettings& settings = {});
// Saves safely; on success the document takes the path and is no longer modified, on failure
// both stay as they were and so does any previous file at the path.
bool SaveDocumentFile(Document& doc, const std::filesystem::path& path,
                      const SaveSettings& settings = {}, const SinkOpener& open = OpenNewFile);

}  // namespace velt
