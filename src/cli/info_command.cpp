// velt-cli info FILE: version, type, elements by kind and macros of a document or macro file.
#include <array>
#include <cstdio>
#include <map>

#include "cli/commands.h"
#include "cli/file_loading.h"
#include "model/element_list.h"
#include "model/kinds.h"
#include "ui/strings.h"

namespace velt::cli {
namespace {

// Elements (sub-elements included) by kind, in one walk.
std::map<int32_t, int> CountKinds(const ElementList& list) {
  std::array<int, kKindCount> known{};
  std::map<int32_t, int> byKind;
  ForEachDeep(list, [&](const Element& e) {
    if (e.kind >= 0 && e.kind < kKindCount)
      ++known[static_cast<size_t>(e.kind)];
    else
      ++byKind[e.kind];
  });
  for (int32_t k = 0; k < kKindCount; ++k)
    if (known[static_cast<size_t>(k)] > 0) byKind[k] = known[static_cast<size_t>(k)];
  return byKind;
}

void PrintKinds(const std::map<int32_t, int>& byKind, const char* indent) {
  for (const auto& [kind, count] : byKind)
    std::printf("%s%d %s: %d\n", indent, kind, std::string(DefaultKindName(kind)).c_str(), count);
}

void PrintMacro(const Macro& m, const char* indent) {
  std::printf("%smacro \"%s\": version %d, %zu parameters, %zu elements, %zu description lines\n",
              indent, m.header.name.c_str(), m.version, m.header.parameters.size(),
              m.elements.size(), m.header.description.size());
  std::printf("%s  parameter types:", indent);
  for (int16_t t : m.header.parameters) {
    const std::string& name = BuiltInLanguage().Get(str::TypeName(t));
    if (name.empty())
      std::printf(" %d", t);
    else
      std::printf(" %d %s", t, name.c_str());
  }
  std::printf("\n");
}

}  // namespace

int RunInfo(const Args& args) {
  if (args.size() != 1) return UsageError("info FILE");
  LoadedFile f = LoadAnyFile(args[0]);
  if (f.exitCode != kExitOk) return f.exitCode;
  std::printf("version: %d\ntype: %d\n", f.header.version, f.header.type);
  if (f.header.type == 11) {
    const auto& w = f.header.window;
    std::printf("window: left %d, top %d, height %d, width %d, state %d\n", w[0], w[1], w[2], w[3],
                w[4]);
  }
  if (!f.document) {
    PrintMacro(f.macro, "");
    PrintKinds(CountKinds(f.macro.elements), "  ");
    return kExitOk;
  }
  const Document& d = *f.document;
  const auto byKind = CountKinds(d.elements());
  int all = 0;
  for (const auto& [kind, count] : byKind) all += count;
  std::printf("elements: %zu (%d with sub-elements)\n", d.elements().size(), all);
  PrintKinds(byKind, "  ");
  std::printf("traces: %zu\nanimations: %zu\nmacros: %zu\n", d.figure->traces.size(),
              d.figure->animations.size(), d.macros.size());
  for (const Macro& m : d.macros) PrintMacro(m, "  ");
  return kExitOk;
}

}  // namespace velt::cli
