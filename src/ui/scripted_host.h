#pragma once
// The host of construction scripts: what the interaction asks of the window, answered without
// one.
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "ui/host.h"

namespace velt {

// Equal words, ignoring the letter case of A..Z.
bool SameWordIgnoringCase(std::string_view a, std::string_view b);

// A host without a window: messages go to the sink, dialogs and questions take the queued
// answers in order and are cancelled when none is left.
class ScriptedHost : public Host {
 public:
  using MessageSink = std::function<void(const std::string&)>;
  explicit ScriptedHost(MessageSink sink) : sink_(std::move(sink)) {}

  void QueueAnswer(std::string text) { answers_.push_back(std::move(text)); }
  std::size_t pendingAnswers() const { return answers_.size(); }

  SaveAnswer AskSaveChanges(Document& doc) override;
  bool SaveDocument(Document&) override { return false; }
  void ShowMessage(const std::string& text, MessageIcon icon) override;
  void Repaint() override {}
  void SetStatus(int, const std::string&) override {}
  void SetBlinking(bool) override {}
  // Timers run out between the lines of a script.
  void SetButtonTimer(int milliseconds) override { buttonTimer_ = milliseconds > 0; }
  // Whether the pop-up timer was running; it is stopped.
  bool TakeButtonTimer() { return std::exchange(buttonTimer_, false); }
  void ToolChanged(Tool) override {}
  void CommandsChanged() override {}
  // The edit dialog: "ok"/"yes" accepts as it stands, "cancel" cancels; otherwise commands
  // separated by ";" act on the dialog in order: colour N, style N, hide, hide-name,
  // name TEXT, decimals N, points TEXT, from TEXT, to TEXT, increment TEXT, transposed,
  // upright, equal-units, full-turn on|off, anchor N, unit, unit-kind 0..3, only-last on|off,
  // draw-points on|off, own-colour on|off, colour-flag on|off, invert, delete, parametric,
  // definition, redefine, ok, cancel. A dialog still open after the last command is
  // cancelled.
  void RunEditDialog(EditSession& session) override;
  // "1", "2", "3".."101" or "103".."201"; anything else cancels.
  std::optional<int32_t> ChooseColourScale() override;
  // One answer a pair, "X; Y" or "polar R; T", until "close" (or no answer is left).
  void RunPointEntry(PointEntrySession& session) override;
  // The text's lines separated by "|", in the editor's font; "{...}" is typed with the Greek
  // button down (Symbol-face letters); "cancel" cancels.
  std::optional<EditedText> EditText(const EditedText& initial, Pt at) override;
  bool ChooseFont(Font& font) override;
  // The parameter dialog takes the next answer ("P A B"); without one it is cancelled.
  void EditParameter(Element& parameter) override;
  using ParameterAnswerFn = std::function<void(Element&, const std::string&)>;
  void SetParameterAnswer(ParameterAnswerFn f) { parameterAnswer_ = std::move(f); }
  // The iteration dialog takes "choose N", "add", "remove N", "count", "iterate" or "cancel";
  // the count dialog takes the text as typed.
  IterationDialogAnswer IterationDialog(const IterationDialogState& state) override;
  std::optional<std::string> AskIterationCount(int32_t) override { return NextAnswer(); }

 private:
  std::optional<std::string> NextAnswer();

  MessageSink sink_;
  std::deque<std::string> answers_;
  bool buttonTimer_ = false;
  ParameterAnswerFn parameterAnswer_;
};

}  // namespace velt
