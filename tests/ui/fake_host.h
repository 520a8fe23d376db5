#pragma once
// A host that records what the interaction asks of the window, for tests without a window.
#include <string>
#include <vector>

#include "ui/host.h"
#include "ui/interaction.h"

namespace velt::test {

class FakeHost : public Host {
 public:
  SaveAnswer answer = SaveAnswer::No;
  int saveQuestions = 0;
  std::vector<std::string> messages;
  std::string status[3];
  int repaints = 0;
  bool blinking = false;
  Tool tool = Tool::Sel;

  SaveAnswer AskSaveChanges(Document&) override {
    ++saveQuestions;
    return answer;
  }
  bool SaveDocument(Document&) override { return true; }
  void ShowMessage(const std::string& text, MessageIcon) override { messages.push_back(text); }
  void Repaint() override { ++repaints; }
  void SetStatus(int panel, const std::string& text) override { status[panel] = text; }
  void SetBlinking(bool on) override { blinking = on; }
  int buttonTimer = 0;  // the pop-up timer's interval while it runs
  void SetButtonTimer(int milliseconds) override { buttonTimer = milliseconds; }
  void ToolChanged(Tool t) override { tool = t; }
  void CommandsChanged() override {}
  // What the picture file dialog answers (nothing: cancelled).
  std::optional<Picture> picture;
  std::optional<Picture> ChoosePicture() override { return picture; }
};

// A workspace with an 800 x 600 plane area (origin at pixel 400, 300) and its interaction,
// driven in plane coordinates.
struct Bench {
  Workspace ws;
  FakeHost host;
  Interaction ix{ws, host};

  Document& doc() { return ws.doc(); }
  double Px(double x) { return x - doc().viewLeft; }
  double Py(double y) { return doc().viewTop - y; }
  void Move(double x, double y, bool held = false, KeyMods m = {}) {
    ix.MouseMove(Px(x), Py(y), m, held);
  }
  void Click(double x, double y, KeyMods m = {}) {
    Move(x, y, false, m);
    ix.MouseDown(MouseButton::Left, Px(x), Py(y), m);
    ix.MouseUp(MouseButton::Left, Px(x), Py(y), m);
  }
  // Press at one place, move through the others with the button held, release at the last.
  void Drag(std::initializer_list<Pt> path, KeyMods m = {}) {
    auto it = path.begin();
    Move(it->x, it->y, false, m);
    ix.MouseDown(MouseButton::Left, Px(it->x), Py(it->y), m);
    Pt last = *it;
    for (++it; it != path.end(); ++it) {
      Move(it->x, it->y, true, m);
      last = *it;
    }
    ix.MouseUp(MouseButton::Left, Px(last.x), Py(last.y), m);
  }
  size_t Count() { return doc().elements().size(); }
  Element* At(size_t i) { return doc().elements()[i].get(); }
  Element* Last() { return doc().elements().back().get(); }
};

}  // namespace velt::test
