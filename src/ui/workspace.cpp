#include "ui/workspace.h"

#include "geometry/locus_grid.h"
#include "geometry/recompute.h"
#include "ui/strings_window.h"

namespace velt {

Workspace::Workspace(bool withFirstDocument) : documents(language.Get(str::kDocumentWord)) {
  if (withFirstDocument) NewDocument();
}

Document* Workspace::NewDocument() {
  Document* d = documents.NewDocument(options);
  if (d) CentreView(*d);
  return d;
}

void Workspace::SyncView(Document& d) const {
  d.viewRight = d.viewLeft + clientWidth;
  d.viewBottom = d.viewTop - clientHeight;
  // Loci driven by a grid sample the nodes in view: a new view takes them again.
  if (HasViewDependentLocus(d)) velt::RecomputeAll(d);
}

void Workspace::CentreView(Document& d) const {
  d.viewLeft = -clientWidth / 2.0;
  d.viewTop = clientHeight / 2.0;
  SyncView(d);
}

ViewState Workspace::View() const {
  ViewState v;
  v.screenWidth = v.clientWidth = clientWidth;
  v.screenHeight = v.clientHeight = clientHeight;
  v.planeSize = options.planeSize;
  v.planeEdges = PlaneEdges(options.planeSize);
  v.scrollMax = 1000;
  return v;
}

void Workspace::ScrollTo(const ScrollPositions& bars) {
  Document& d = doc();
  ViewState v = View();
  ScrollHorizontal(d, v, bars.horizontal);
  ScrollVertical(d, v, bars.vertical);
  SyncView(d);
}

void Workspace::RecomputeAll() { velt::RecomputeAll(doc()); }

}  // namespace velt
