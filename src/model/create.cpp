#include "model/create.h"

#include <cmath>

#include "model/element_list.h"

namespace velt {
namespace {

ElementPtr MakeSub(int32_t kind, Element* owner, const Element& like) {
  auto s = NewElementOfKind(kind);
  s->owner = owner;
  s->colour = like.colour;
  s->style = like.style;
  s->decimals = like.decimals;
  return s;
}

}  // namespace

ElementPtr NewElementFromTemplate(const Document& doc, const ElementTemplate& tmpl,
                                  const CreationSettings& settings) {
  static const Options kDefaults;
  const Options& opt = settings.options ? *settings.options : kDefaults;

  auto owned = NewElementOfKind(tmpl.kind);
  Element& e = *owned;
  const int32_t type = TypeOfKind(tmpl.kind);
  e.parent = tmpl.parent;
  e.value = tmpl.value;
  e.attr1 = tmpl.attr1;
  e.attr2 = (tmpl.kind == kIntersection && tmpl.attr1 == 42) ? tmpl.attr2 : 0;
  e.exists = 1;
  e.visibility = 1;
  e.decimals = opt.decimals;
  const bool typed = type >= 0 && type < kTypeCount;
  e.colour = settings.currentColour ? *settings.currentColour : (typed ? doc.typeColours[type] : 0);
  // Numbers, functions, coordinates and checks are written like numbers: their types have no
  // colour of their own to choose (it stays black, unseen on the default black plane).
  const bool numberLike = type == kTypeNumber || type == kTypeFunction ||
                          type == kTypeCoordinates || type == kTypeProperty;
  if (numberLike && !settings.currentColour) e.colour = doc.numberFont.colour;
  e.style = IsTextLikeType(type) ? -1 : (typed ? doc.typeStyles[type] : 1);
  if (OwnsLabelFont(type)) e.labelFont = tmpl.kind == kName ? doc.nameFont : doc.numberFont;

  if (IsMeasureKind(tmpl.kind)) {
    e.colour = doc.numberFont.colour;
    e.attr1 = e.attr2 = 100;
    e.attr3 = ValueDimensionOf(tmpl.kind);
  }
  if (auto* k = e.as<CheckerExt>(); k && settings.checkerAnswer) {
    k->whenTrue = settings.checkerAnswer(tmpl.kind, true);
    k->whenFalse = settings.checkerAnswer(tmpl.kind, false);
  }

  switch (tmpl.kind) {
    case kPolygon: {
      auto& p = *e.as<PolygonExt>();
      std::vector<Element*> v;
      for (Element* x : tmpl.picks) {
        if (!x) break;  // the tool's list is null-terminated
        v.push_back(x);
      }
      for (size_t i = 0; i < v.size(); ++i) {
        auto s = MakeSub(kPolygonSide, &e, e);
        s->parent = {v[i], v[(i + 1) % v.size()], &e};
        p.sides.push_back(std::move(s));
      }
      break;
    }
    case kAxes: {
      auto& a = *e.as<AxesExt>();
      a.xUnit = a.yUnit = 40.0;
      a.xAxis = MakeSub(kAxisX, &e, e);
      a.yAxis = MakeSub(kAxisY, &e, e);
      a.xAxis->parent = {e.parent[0], &e, nullptr};
      a.yAxis->parent = {e.parent[0], &e, nullptr};
      break;
    }
    case kCoordinates: {
      auto& c = *e.as<CoordinatesExt>();
      c.x = MakeSub(kCoordinateX, &e, e);
      c.y = MakeSub(kCoordinateY, &e, e);
      for (Element* s : {c.x.get(), c.y.get()}) {
        s->parent = {e.parent[0], &e, nullptr};
        s->visibility = 1;
        s->attr1 = 100;
        s->attr3 = 0;
        s->style = -1;
        s->labelFont = doc.numberFont;
      }
      e.attr1 = doc.coordinateSystem == 1 ? -100 : 100;
      break;
    }
    case kAngleMark: e.value[1] = opt.angleMarkFactor; break;
    case kGrid:
      e.colour = 0xC08000;
      e.style = 1;
      break;
    case kConic: {
      auto& c = *e.as<ConicExt>();
      for (size_t i = 0; i < 5 && i < tmpl.picks.size(); ++i) c.points[i] = tmpl.picks[i];
      e.colour = settings.currentColour ? *settings.currentColour : doc.typeColours[kTypeConic];
      e.style = doc.typeStyles[kTypeConic];
      break;
    }
    case kParameter: {
      auto& p = *e.as<ParameterExt>();
      e.colour = doc.numberFont.colour;
      e.value[0] = settings.parameterValue;
      p.minimum = std::round(settings.parameterValue - 10);
      p.maximum = std::round(settings.parameterValue + 10);
      break;
    }
    case kLocus: {
      // Curves of curves start coarse: each sample is a whole instance to draw.
      const Element* traced = tmpl.parent[0];
      const int32_t type = traced ? traced->type() : kTypePoint;
      e.as<SampleExt>()->sampleCount = type == kTypeLocus || type == kTypeConic ? 30
                                       : type != kTypePoint                     ? 50
                                                                                : opt.locusPoints;
      break;
    }
    case kFunctionGraph: e.as<SampleExt>()->sampleCount = opt.locusPoints; break;
    case kButtonShowHide:
    case kButtonMove: {
      auto& b = *e.as<ButtonExt>();
      e.colour = 0;
      e.style = 12632256;
      e.attr2 = 1;
      b.caption = settings.buttonCaption;
      for (size_t i = 0; i < tmpl.picks.size(); ++i) {
        if (!tmpl.picks[i]) break;
        b.targets.push_back(tmpl.picks[i]);
        b.states.push_back(i < tmpl.pickStates.size() ? tmpl.pickStates[i] : 1);
      }
      break;
    }
    case kName:
      e.colour = doc.nameFont.colour;
      if (Element* target = e.parent[0]) {
        target->nameElement = &e;
        const int32_t t = target->type();
        e.attr1 = (t == kTypeNumber || t == kTypeEquation || t == kTypeCoordinates ||
                   t == kTypeProperty || t == kTypeFunction || t == kTypeTable)
                      ? 0
                      : 1;
      }
      break;
    case kCalculation:
    case kFunction: {
      auto& x = *e.as<ExpressionExt>();
      for (Element* v : tmpl.picks)
        if (v) x.variables.push_back(v);
      break;
    }
    case kTable: {
      auto& t = *e.as<TableExt>();
      for (Element* v : tmpl.picks)
        if (v) t.columns.push_back(v);
      t.rows = 1;
      t.grid.assign(t.columns.size() * kTableRows, 0.0);
      break;
    }
    case kIteration: {
      auto& it = *e.as<IterationExt>();
      for (Element* v : tmpl.picks)
        if (v) it.elements.push_back(v);
      break;
    }
    case kText: {
      auto& t = *e.as<TextExt>();
      t.x = static_cast<int32_t>(std::lround(tmpl.value[2]));
      t.y = static_cast<int32_t>(std::lround(tmpl.value[3]));
      t.third = tmpl.attr2;
      t.font = doc.textFont;
      break;
    }
    default: break;
  }

  return owned;
}

Element* MakeElementFromTemplate(Document& doc, ElementTemplate& tmpl,
                                 const CreationSettings& settings) {
  doc.modified = 1;
  Element* raw = Append(doc, NewElementFromTemplate(doc, tmpl, settings));
  tmpl.Reset();
  return raw;
}

}  // namespace velt
