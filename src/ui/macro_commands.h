#pragma once
// What the macro dialog and the macro tools do with the window: choosing initials and finals,
// completing, choosing for application, loading, with the messages the user sees.
#include <filesystem>
#include <string>
#include <string_view>

#include "ui/host.h"
#include "ui/interaction.h"
#include "ui/workspace.h"

namespace velt {

// Tool 52: a click adds the element to the initial list or takes it out; finals that no
// longer depend on the initials are dropped.
void ToggleInitial(Workspace& ws, Element& e);
// Tool 53: a click adds or removes a final; an element that does not depend on the initials
// is refused with "No puede ser un elemento final" and nothing changes. False when refused.
bool ToggleFinal(Workspace& ws, Host& host, Element& e);

// "Completar Macro" with the name typed in its box: records the macro, empties the lists and
// leaves the window in tool 51 without a chosen macro. False, with the message shown, when
// nothing was recorded (the lists then stay).
bool CompleteMacro(Interaction& ix, Workspace& ws, Host& host, std::string_view name);

// The index of the macro with this name in the current document, -1 when none.
int FindMacro(const Document& doc, std::string_view name);
// Chooses a macro of the current document for tool 51 (the dialog's OK). False when the
// macro is unusable (the message is shown and the tool stays as it was).
bool ChooseMacro(Interaction& ix, Workspace& ws, Host& host, int index);

// Loads a macro file into the current document's table; the message tells why not. The
// numbers of a loaded macro are checked before it enters the table.
bool LoadMacroInto(Workspace& ws, Host& host, const std::filesystem::path& path);
// Copies a macro of another document into the current one; warns when the table is full.
bool CopyMacroInto(Workspace& ws, Host& host, const Macro& m);

// The mask of a macro parameter: the type itself, widened for points (the curves a click can
// put a point on), lines (the axes' lines) and numbers (the coordinates' numbers).
DetectionMask MacroParameterMask(int type);
// "name -> type?" for the next parameter of the chosen macro; empty when none is chosen.
std::string MacroPrompt(const Workspace& ws, int pickCount);

}  // namespace velt
