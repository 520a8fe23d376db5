#include "ui/macro_commands.h"

#include <algorithm>
#include <unordered_set>

#include "io/macro_file.h"
#include "macros/macro_check.h"
#include "macros/macro_record.h"
#include "macros/macro_table.h"
#include "model/element_list.h"
#include "ui/strings.h"
#include "ui/strings_files.h"
#include "ui/strings_macros.h"
#include "ui/tool_context.h"

namespace velt {
namespace {

// Drops entries that are no longer elements of the list (after a deletion).
void KeepMembers(const ElementList& list, std::vector<Element*>& v) {
  std::unordered_set<const Element*> members;
  ForEachDeep(list, [&](const Element& e) { members.insert(&e); });
  std::erase_if(v, [&](Element* e) { return !members.count(e); });
}

bool Toggle(std::vector<Element*>& v, Element& e) {
  const auto it = std::find(v.begin(), v.end(), &e);
  if (it != v.end()) {
    v.erase(it);
    return false;
  }
  v.push_back(&e);
  return true;
}

}  // namespace

void ToggleInitial(Workspace& ws, Element& e) {
  MacroSession& s = ws.macroSession;
  Toggle(s.initials, e);
  const auto dependents = DependentsOfInitials(ws.doc().elements(), s.initials);
  std::erase_if(s.finals, [&](Element* f) { return !dependents.count(f); });
}

bool ToggleFinal(Workspace& ws, Host& host, Element& e) {
  MacroSession& s = ws.macroSession;
  KeepMembers(ws.doc().elements(), s.initials);
  const auto dependents = DependentsOfInitials(ws.doc().elements(), s.initials);
  if (!dependents.count(&e)) {
    host.ShowMessage(ws.Text(str::kMacroNotFinal), MessageIcon::Warning);
    return false;
  }
  Toggle(s.finals, e);
  return true;
}

bool CompleteMacro(Interaction& ix, Workspace& ws, Host& host, std::string_view name) {
  MacroSession& s = ws.macroSession;
  Document& doc = ws.doc();
  KeepMembers(doc.elements(), s.initials);
  KeepMembers(doc.elements(), s.finals);
  int message = -1;
  switch (RecordMacro(doc, s.initials, s.finals, name)) {
    case RecordStatus::Recorded: break;
    case RecordStatus::TableFull: message = str::kMacroTableFull; break;
    case RecordStatus::EmptyName: message = str::kMacroNeedsName; break;
    case RecordStatus::NoInitials:
    case RecordStatus::NoFinals: message = str::kMacroNothingChosen; break;
    case RecordStatus::NotDependent: message = str::kMacroNotFinal; break;
  }
  if (message >= 0) {
    host.ShowMessage(ws.Text(message), MessageIcon::Warning);
    return false;
  }
  s.initials.clear();
  s.finals.clear();
  ix.SelectTool(Tool::B_MacCon);
  host.CommandsChanged();
  return true;
}

int FindMacro(const Document& doc, std::string_view name) {
  for (size_t i = 0; i < doc.macros.size(); ++i)
    if (doc.macros[i].header.name == name) return static_cast<int>(i);
  return -1;
}

bool ChooseMacro(Interaction& ix, Workspace& ws, Host& host, int index) {
  const Document& doc = ws.doc();
  if (index < 0 || index >= static_cast<int>(doc.macros.size())) return false;
  if (CheckMacro(doc.macros[index]).fault != MacroFault::None) {
    host.ShowMessage(ws.Text(str::kMacroMalformed), MessageIcon::Error);
    return false;
  }
  ix.SelectTool(Tool::B_MacCon);
  ws.macroSession.chosen = index;
  ToolContext c(ix);
  c.mask() = MacroParameterMask(doc.macros[index].header.parameters.front());
  host.SetStatus(2, MacroPrompt(ws, 0));
  return true;
}

bool LoadMacroInto(Workspace& ws, Host& host, const std::filesystem::path& path) {
  Document& doc = ws.doc();
  if (doc.macros.size() >= static_cast<size_t>(kMaxMacros)) {
    host.ShowMessage(ws.Text(str::kMacroTableFull), MessageIcon::Warning);
    return false;
  }
  const auto bytes = ReadWholeFile(path);
  Macro m;
  const FileKind kind = bytes ? ReadMacroBytes(*bytes, m) : FileKind::Invalid;
  if (kind != FileKind::Macro) {
    host.ShowMessage(ws.Text(kind == FileKind::Newer ? str::kNewerVersion : str::kNotAValidFile),
                     MessageIcon::Error);
    return false;
  }
  if (CheckMacro(m).fault != MacroFault::None) {
    host.ShowMessage(ws.Text(str::kMacroMalformed), MessageIcon::Error);
    return false;
  }
  doc.macros.push_back(std::move(m));
  doc.modified = 1;
  return true;
}

bool CopyMacroInto(Workspace& ws, Host& host, const Macro& m) {
  Document& doc = ws.doc();
  if (doc.macros.size() >= static_cast<size_t>(kMaxMacros)) {
    host.ShowMessage(ws.Text(str::kMacroTableFull), MessageIcon::Warning);
    return false;
  }
  doc.macros.push_back(CopyMacro(m));
  doc.modified = 1;
  return true;
}

DetectionMask MacroParameterMask(int type) {
  DetectionMask m{};
  if (type < 0 || type >= kTypeCount) return m;
  m[type] = 1;
  if (type == kTypePoint) {
    for (int t : {kTypeLine, kTypeRay, kTypeSegment, kTypeVector, kTypePolygon, kTypeCircle,
                  kTypeArc, kTypeConic})
      m[t] = 1;
  } else if (type == kTypeLine) {
    m[kTypeAxes] = 1;
  } else if (type == kTypeNumber) {
    m[kTypeCoordinates] = 1;
  }
  return m;
}

std::string MacroPrompt(const Workspace& ws, int pickCount) {
  const MacroSession& s = ws.macroSession;
  const Document& doc = ws.doc();
  if (s.chosen < 0 || s.chosen >= static_cast<int>(doc.macros.size())) return {};
  const Macro& m = doc.macros[s.chosen];
  const auto& types = m.header.parameters;
  if (pickCount < 0 || pickCount >= static_cast<int>(types.size())) return {};
  return m.header.name + " ->" + ws.Text(str::TypeName(types[pickCount])) + "?";
}

}  // namespace velt
