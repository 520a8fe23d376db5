// velt-cli dump FILE [--move N=X,Y]...: loads, recomputes, applies each move as one drag and
// prints the document and every element as one JSON object.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/commands.h"
#include "cli/document_json.h"
#include "cli/file_loading.h"
#include "geometry/position_on_element.h"
#include "geometry/recompute.h"
#include "model/dependents.h"
#include "model/element_list.h"
#include "ui/strings_files.h"

namespace velt::cli {
namespace {

struct Move {
  int32_t number = 0;
  double x = 0, y = 0;
};

// "N=X,Y" with nothing left over.
bool ParseMove(const std::string& text, Move& m) {
  const char* s = text.c_str();
  char* end = nullptr;
  const long n = std::strtol(s, &end, 10);
  if (end == s || *end != '=' || n < 1 || n > INT32_MAX) return false;
  s = end + 1;
  m.x = std::strtod(s, &end);
  if (end == s || *end != ',') return false;
  s = end + 1;
  m.y = std::strtod(s, &end);
  if (end == s || *end != '\0' || !std::isfinite(m.x) || !std::isfinite(m.y)) return false;
  m.number = static_cast<int32_t>(n);
  return true;
}

// "N", a whole number from 0 up, with nothing left over.
bool ParseCount(const std::string& text, int64_t& n) {
  const char* s = text.c_str();
  char* end = nullptr;
  if (*s < '0' || *s > '9') return false;
  errno = 0;
  const long long v = std::strtoll(s, &end, 10);
  if (*end != '\0' || errno == ERANGE) return false;
  n = v;
  return true;
}

// One drag: a free point goes to (x, y), a point on an element takes the parameter of (x, y)
// on its carrier; then whatever is built on it follows.
bool Drag(Document& doc, Element& e, double x, double y) {
  if (e.owner) return false;
  const RuleContext ctx{&doc};
  ClearMarks(doc.elements());
  if (e.kind == kFreePoint) {
    MarkDependents(doc, e);
    e.value[0] = x;
    e.value[1] = y;
  } else if (e.kind == kPointOnElement && e.parent[0]) {
    const auto hit = ParameterFromPosition(*e.parent[0], PositionProbe{Pt{x, y}}, ctx);
    if (!hit) return false;
    MarkDependents(doc, e);
    e.mark = 1;  // the point itself is recomputed from its new parameter
    e.value[3] = hit->t;
  } else {
    return false;
  }
  RecomputeMarked(doc);
  return true;
}

}  // namespace

int RunDump(const Args& args) {
  constexpr const char* kUsage = "dump FILE [--move N=X,Y]... [--copies-limit N]";
  if (args.empty()) return UsageError(kUsage);
  std::vector<Move> moves;
  int64_t copiesLimit = kDefaultCopiesLimit;
  for (size_t i = 1; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) return UsageError(kUsage);
    if (args[i] == "--copies-limit") {
      if (!ParseCount(args[i + 1], copiesLimit)) return UsageError(kUsage);
      continue;
    }
    Move m;
    if (args[i] != "--move" || !ParseMove(args[i + 1], m)) return UsageError(kUsage);
    moves.push_back(m);
  }
  LoadedFile f = LoadAnyFile(args[0]);
  if (f.exitCode != kExitOk) return f.exitCode;
  if (!f.document) {
    ReportError(args[0], str::kNotADocument);
    return kExitInvalid;
  }
  Document& doc = *f.document;
  RecomputeAll(doc);
  for (const Move& m : moves) {
    Element* e = FindByNumber(doc.elements(), m.number);
    if (!e) {
      ReportError(args[0] + ": " + std::to_string(m.number), str::kNoSuchElement);
      return kExitUsage;
    }
    if (!Drag(doc, *e, m.x, m.y)) {
      ReportError(args[0] + ": " + std::to_string(m.number), str::kCannotDrag);
      return kExitUsage;
    }
  }
  const std::string json = DocumentJson(doc, f.header, copiesLimit);
  std::fwrite(json.data(), 1, json.size(), stdout);
  return kExitOk;
}

}  // namespace velt::cli
