#include "geometry/locus_intersections.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <unordered_map>

#include "geometry/conic.h"
#include "geometry/graph_sampling.h"
#include "geometry/intersect_circle.h"
#include "geometry/intersect_conic.h"
#include "geometry/intersect_straight.h"
#include "geometry/locus_sampling.h"
#include "geometry/tolerances.h"

namespace velt {
namespace {

// Pieces shorter than this are merged with the next.
constexpr double kShortPiece = 0.1;

Pt First(const Element& e) { return {e.value[0], e.value[1]}; }
Pt Second(const Element& e) { return {e.value[2], e.value[3]}; }

bool IsGap(const SampleExt& s, int32_t i) { return s.colours[i] == kLocusGap; }
bool IsBreak(const SampleExt& s, int32_t i) { return s.colours[i] == kGraphBreak; }
Pt SampleAt(const SampleExt& s, int32_t i) { return {s.x1[i], s.y1[i]}; }

int32_t RecordedOf(const SampleExt& s) {
  const size_t n = std::min({s.x1.size(), s.y1.size(), s.colours.size()});
  return std::clamp<int32_t>(s.recorded, 0, static_cast<int32_t>(n));
}

bool IsClosedLocus(const Element& e) { return e.kind == kLocus && e.attr1 == 1; }

// Points listed once: a grid of cells the size of the coincidence tolerance.
class DistinctPoints {
 public:
  bool Add(Pt p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    const long long cx = Cell(p.x), cy = Cell(p.y);
    for (long long dx = -1; dx <= 1; ++dx)
      for (long long dy = -1; dy <= 1; ++dy) {
        auto it = cells_.find(Key(cx + dx, cy + dy));
        if (it == cells_.end()) continue;
        for (size_t i : it->second)
          if (Distance(points_[i], p) < kPointCoincidence) return false;
      }
    cells_[Key(cx, cy)].push_back(points_.size());
    points_.push_back(p);
    return true;
  }
  std::vector<Pt> Take() { return std::move(points_); }

 private:
  static long long Cell(double v) {
    return static_cast<long long>(std::floor(v / kPointCoincidence));
  }
  static long long Key(long long x, long long y) { return x * 1000003LL ^ y; }
  std::unordered_map<long long, std::vector<size_t>> cells_;
  std::vector<Pt> points_;
};

// Pieces of another locus in a uniform grid, so that a piece meets only its neighbours.
class PieceGrid {
 public:
  explicit PieceGrid(std::vector<LocusPiece> pieces) : pieces_(std::move(pieces)) {
    if (pieces_.empty()) return;
    lo_ = hi_ = pieces_[0].a;
    for (const LocusPiece& p : pieces_)
      for (Pt q : {p.a, p.b}) {
        lo_ = {std::min(lo_.x, q.x), std::min(lo_.y, q.y)};
        hi_ = {std::max(hi_.x, q.x), std::max(hi_.y, q.y)};
      }
    // About one piece per cell, at most 512 cells a side.
    const int side =
        std::clamp(static_cast<int>(std::sqrt(static_cast<double>(pieces_.size()))), 1, 512);
    cols_ = rows_ = side;
    cw_ = std::max((hi_.x - lo_.x) / cols_, 1e-9);
    ch_ = std::max((hi_.y - lo_.y) / rows_, 1e-9);
    cells_.assign(static_cast<size_t>(cols_) * rows_, {});
    for (size_t i = 0; i < pieces_.size(); ++i)
      ForCells(pieces_[i].a, pieces_[i].b, [&](size_t c) { cells_[c].push_back(i); });
    stamp_.assign(pieces_.size(), 0);
  }

  // Calls f with every piece whose cells the box of ab touches, each once.
  template <class F>
  void Near(Pt a, Pt b, F&& f) {
    if (pieces_.empty()) return;
    ++round_;
    ForCells(a, b, [&](size_t c) {
      for (size_t i : cells_[c]) {
        if (stamp_[i] == round_) continue;
        stamp_[i] = round_;
        f(pieces_[i]);
      }
    });
  }

 private:
  template <class F>
  void ForCells(Pt a, Pt b, F&& f) const {
    auto col = [&](double x) {
      return std::clamp(static_cast<int>((x - lo_.x) / cw_), 0, cols_ - 1);
    };
    auto row = [&](double y) {
      return std::clamp(static_cast<int>((y - lo_.y) / ch_), 0, rows_ - 1);
    };
    const double x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
    const double y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
    if (x1 < lo_.x || x0 > hi_.x || y1 < lo_.y || y0 > hi_.y) return;
    for (int r = row(y0); r <= row(y1); ++r)
      for (int c = col(x0); c <= col(x1); ++c) f(static_cast<size_t>(r) * cols_ + c);
  }

  std::vector<LocusPiece> pieces_;
  Pt lo_, hi_;
  int cols_ = 1, rows_ = 1;
  double cw_ = 1, ch_ = 1;
  std::vector<std::vector<size_t>> cells_;
  std::vector<unsigned> stamp_;
  unsigned round_ = 0;
};

void AddCurveHits(const CurveHits& h, std::vector<Pt>& out) {
  if (h.count == 2) {
    out.push_back(h.point[0]);
    out.push_back(h.point[1]);
  } else if (h.count == 1) {
    out.push_back(h.Valid());
  }
}

// The cut of one piece with the other element, by the other's type.
using PieceCut = std::function<void(const LocusPiece&, std::vector<Pt>&)>;

std::optional<PieceCut> CutterFor(const Document& doc, const Element& other, double scale) {
  const Pt a = First(other), b = Second(other);
  auto one = [](std::optional<Pt> p, std::vector<Pt>& out) {
    if (p) out.push_back(*p);
  };
  switch (other.type()) {
    case kTypeLine:
      return PieceCut([=](const LocusPiece& p, std::vector<Pt>& out) {
        one(LineSegment(a, b, p.a, p.b, scale), out);
      });
    case kTypeRay:
      return PieceCut([=](const LocusPiece& p, std::vector<Pt>& out) {
        one(SegmentRay(p.a, p.b, a, b, scale), out);
      });
    case kTypeSegment:
    case kTypeVector:
      return PieceCut([=](const LocusPiece& p, std::vector<Pt>& out) {
        one(SegmentSegment(p.a, p.b, a, b, scale), out);
      });
    case kTypePolygon: {
      const auto* poly = other.as<PolygonExt>();
      if (!poly) return std::nullopt;
      std::vector<LocusPiece> sides;
      for (const auto& s : poly->sides) sides.push_back({First(*s), Second(*s)});
      return PieceCut([=](const LocusPiece& p, std::vector<Pt>& out) {
        for (const LocusPiece& s : sides) one(SegmentSegment(p.a, p.b, s.a, s.b, scale), out);
      });
    }
    case kTypeCircle: {
      const double r = Distance(a, b);
      return PieceCut([=](const LocusPiece& p, std::vector<Pt>& out) {
        AddCurveHits(SegmentCircle(p.a, p.b, a, r, scale), out);
      });
    }
    case kTypeArc: {
      const Element *e1 = other.parent[0], *e3 = other.parent[2];
      if (!e1 || !e3) return std::nullopt;
      const Pt p1 = First(*e1), p2 = b, p3 = First(*e3);
      const double r = Distance(a, b);
      return PieceCut([=](const LocusPiece& p, std::vector<Pt>& out) {
        std::vector<Pt> hits;
        AddCurveHits(SegmentCircle(p.a, p.b, a, r, scale), hits);
        for (Pt x : hits)
          if (OnArc(x, p1, p2, p3, scale)) out.push_back(x);
      });
    }
    case kTypeConic: {
      const auto* c = other.as<ConicExt>();
      if (!c) return std::nullopt;
      const SixCoefficients k = AsCoefficients(c->data.Equation());
      return PieceCut([=](const LocusPiece& p, std::vector<Pt>& out) {
        AddCurveHits(SegmentConic(p.a, p.b, k, scale), out);
      });
    }
    case kTypeLocus: {
      const SampleExt s = RefinedSamples(doc, other, scale);
      auto grid =
          std::make_shared<PieceGrid>(PolylinePieces(s, IsClosedLocus(other), kLongOtherPiece));
      return PieceCut([grid, one, scale](const LocusPiece& p, std::vector<Pt>& out) {
        grid->Near(p.a, p.b, [&](const LocusPiece& q) {
          one(SegmentSegment(p.a, p.b, q.a, q.b, scale), out);
        });
      });
    }
    default: return std::nullopt;
  }
}

}  // namespace

SampleExt RefinedSamples(const Document& doc, const Element& locus, double viewScale) {
  if (locus.kind != kLocus) {
    SampleExt s = locus.as<SampleExt>() ? *locus.as<SampleExt>() : SampleExt{};
    s.recorded = RecordedOf(s);
    return s;
  }
  const auto* own = locus.as<SampleExt>();
  if (!own || IsSweptLocus(locus) || !LocusDriverUsable(locus)) return {};
  const int32_t n = std::max(kIntersectionSamples, BoundedSampleCount(own->sampleCount));
  SampleExt s = SampleLocusCopy(doc, locus, n, viewScale);
  // A long polyline gets about one sample for every two units of its length.
  double length = 0;
  for (int32_t i = 1; i < s.recorded; ++i) {
    const double d = Distance(SampleAt(s, i - 1), SampleAt(s, i));
    length += IsGap(s, i - 1) || IsGap(s, i) || !(d >= 1 && d < 10) ? 1 : d;
  }
  if (length / 2 > n)
    s = SampleLocusCopy(doc, locus,
                        std::min<int32_t>(static_cast<int32_t>(length / 2), kMaxRefinedSamples),
                        viewScale);
  return s;
}

std::vector<LocusPiece> PolylinePieces(const SampleExt& s, bool closed, double longPiece) {
  std::vector<LocusPiece> out;
  const int32_t m = RecordedOf(s);
  int32_t start = -1, prev = -1;
  const int32_t steps = closed && m > 1 ? m + 1 : m;
  for (int32_t j = 0; j < steps; ++j) {
    const int32_t i = j % m;
    if (IsGap(s, i)) {
      start = prev = -1;
      continue;
    }
    if (start < 0) {
      start = prev = i;
      continue;
    }
    const Pt at = SampleAt(s, i);
    // A graph does not run on across a jump its continuity test found.
    if (IsBreak(s, prev) || Distance(SampleAt(s, prev), at) > longPiece) {
      start = prev = i;
      continue;
    }
    prev = i;
    if (Distance(SampleAt(s, start), at) <= kShortPiece) continue;
    out.push_back({SampleAt(s, start), at});
    start = i;
  }
  return out;
}

std::vector<Pt> LocusCommonPoints(const Document& doc, const Element& locus, const Element& other,
                                  double viewScale) {
  const auto cut = CutterFor(doc, other, viewScale);
  if (!cut) return {};
  const SampleExt s = RefinedSamples(doc, locus, viewScale);
  DistinctPoints found;
  std::vector<Pt> hits;
  for (const LocusPiece& p : PolylinePieces(s, IsClosedLocus(locus), kLongLocusPiece)) {
    hits.clear();
    (*cut)(p, hits);
    // In the order of the walk along the piece.
    std::sort(hits.begin(), hits.end(),
              [&](Pt x, Pt y) { return Distance(p.a, x) < Distance(p.a, y); });
    for (Pt x : hits) found.Add(x);
  }
  return found.Take();
}

std::optional<Pt> LocusIntersectionPoint(const Element& e, const RuleContext& ctx) {
  const Element *p1 = e.parent[0], *p2 = e.parent[1];
  if (!ctx.doc || !p1 || !p2) return std::nullopt;
  const bool firstIsLocus = p1->type() == kTypeLocus;
  const Element& locus = firstIsLocus ? *p1 : *p2;
  const Element& other = firstIsLocus ? *p2 : *p1;
  if (locus.type() != kTypeLocus || e.attr2 < 0) return std::nullopt;
  const std::vector<Pt> points = LocusCommonPoints(*ctx.doc, locus, other, ctx.viewScale);
  if (static_cast<size_t>(e.attr2) >= points.size()) return std::nullopt;
  return points[static_cast<size_t>(e.attr2)];
}

}  // namespace velt
