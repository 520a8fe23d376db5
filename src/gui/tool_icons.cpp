// Each glyph is a few strokes on a 24 x 24 grid: points are dots, curves are drawn thin.
#include "tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <cstring>
#include <functional>

namespace velt {
namespace {

using Glyph = std::function<void(QPainter&)>;

const QColor kInk(30, 30, 120);
const QColor kDot(210, 30, 30);

void Dot(QPainter& p, double x, double y) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(kDot);
  p.drawEllipse(QPointF(x, y), 2.3, 2.3);
  p.restore();
}

void Line(QPainter& p, double x1, double y1, double x2, double y2) {
  p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Arrow(QPainter& p, double x1, double y1, double x2, double y2) {
  Line(p, x1, y1, x2, y2);
  const double a = std::atan2(y2 - y1, x2 - x1);
  for (double s : {2.6, -2.6})
    Line(p, x2, y2, x2 - 6 * std::cos(a + s / 6), y2 - 6 * std::sin(a + s / 6));
}

void RegularPolygon(QPainter& p, int n, double r, double turn = 0) {
  QPolygonF poly;
  for (int i = 0; i < n; ++i) {
    const double a = turn + 2 * M_PI * i / n;
    poly << QPointF(12 + r * std::cos(a), 12 - r * std::sin(a));
  }
  p.drawPolygon(poly);
}

Glyph GlyphOf(Tool tool) {
  switch (tool) {
    case Tool::Sel:
      return [](QPainter& p) {
        QPolygonF arrow;
        arrow << QPointF(6, 3) << QPointF(6, 19) << QPointF(10, 15) << QPointF(13, 21)
              << QPointF(15, 20) << QPointF(12, 14) << QPointF(18, 14);
        p.setBrush(Qt::white);
        p.drawPolygon(arrow);
      };
    case Tool::B_Punto:
      return [](QPainter& p) {
        Line(p, 3, 18, 21, 8);
        Dot(p, 12, 13);
        Dot(p, 6, 6);
      };
    case Tool::B_Recta:
      return [](QPainter& p) {
        Line(p, 1, 20, 23, 4);
        Dot(p, 7, 15.6);
        Dot(p, 16, 9);
      };
    case Tool::B_Rayo:
      return [](QPainter& p) {
        Line(p, 5, 19, 23, 5);
        Dot(p, 5, 19);
        Dot(p, 14, 12);
      };
    case Tool::B_Conica_5p:
      return [](QPainter& p) {
        p.drawEllipse(QRectF(2, 6, 20, 12));
        for (auto [x, y] : {std::pair{2.0, 12.0}, {12, 6}, {22, 12}, {12, 18}, {5, 8}})
          Dot(p, x, y);
      };
    case Tool::B_Circunf:
      return [](QPainter& p) {
        p.drawEllipse(QPointF(12, 12), 9, 9);
        Dot(p, 12, 12);
        Dot(p, 21, 12);
      };
    case Tool::B_Circ2pr:
      return [](QPainter& p) {
        p.drawEllipse(QPointF(14, 14), 8, 8);
        Dot(p, 14, 14);
        Line(p, 2, 3, 10, 3);
        Dot(p, 2, 3);
        Dot(p, 10, 3);
      };
    case Tool::B_Recta_Para:
      return [](QPainter& p) {
        Line(p, 1, 18, 23, 10);
        Line(p, 1, 10, 23, 2);
        Dot(p, 12, 6);
      };
    case Tool::B_Recta_Perp:
      return [](QPainter& p) {
        Line(p, 2, 18, 22, 18);
        Line(p, 12, 22, 12, 2);
        Dot(p, 12, 8);
        p.drawRect(QRectF(12, 14, 4, 4));
      };
    case Tool::B_Segmento:
      return [](QPainter& p) {
        Line(p, 4, 18, 20, 6);
        Dot(p, 4, 18);
        Dot(p, 20, 6);
      };
    case Tool::B_Poligono:
      return [](QPainter& p) {
        QPolygonF q;
        q << QPointF(3, 19) << QPointF(8, 4) << QPointF(21, 7) << QPointF(18, 20);
        p.drawPolygon(q);
        for (auto pt : q) Dot(p, pt.x(), pt.y());
      };
    case Tool::B_Polireg:
      return [](QPainter& p) {
        RegularPolygon(p, 6, 9);
        Dot(p, 12, 12);
        Dot(p, 21, 12);
      };
    case Tool::B_vector:
      return [](QPainter& p) {
        Arrow(p, 4, 19, 20, 5);
        Dot(p, 4, 19);
      };
    case Tool::B_vectorsuma:
      return [](QPainter& p) {
        Arrow(p, 3, 20, 12, 12);
        Arrow(p, 12, 12, 21, 14);
        Arrow(p, 3, 20, 21, 14);
      };
    case Tool::B_arco3p:
      return [](QPainter& p) {
        p.drawArc(QRectF(3, 5, 18, 18), 20 * 16, 140 * 16);
        Dot(p, 20.5, 11);
        Dot(p, 12, 5);
        Dot(p, 3.5, 11);
      };
    case Tool::B_2_div_seg:
      return [](QPainter& p) {
        Line(p, 3, 12, 21, 12);
        Dot(p, 3, 12);
        Dot(p, 21, 12);
        p.setPen(QPen(kDot, 1));
        Line(p, 12, 8, 12, 16);
        Dot(p, 12, 12);
      };
    case Tool::B_2_Sectriz:
      return [](QPainter& p) {
        Line(p, 3, 20, 22, 20);
        Line(p, 3, 20, 18, 4);
        p.setPen(QPen(kDot, 1.2));
        Line(p, 3, 20, 23, 11);
      };
    case Tool::B_Mediatriz:
      return [](QPainter& p) {
        Line(p, 3, 16, 21, 16);
        Dot(p, 3, 16);
        Dot(p, 21, 16);
        p.setPen(QPen(kDot, 1.2));
        Line(p, 12, 2, 12, 22);
      };
    case Tool::B_Punto_Inter:
      return [](QPainter& p) {
        Line(p, 2, 20, 22, 4);
        p.drawEllipse(QPointF(12, 12), 8, 8);
        Dot(p, 6.4, 17.6);
        Dot(p, 17.6, 6.4);
      };
    case Tool::B_N_ejes:
      return [](QPainter& p) {
        Arrow(p, 2, 16, 22, 16);
        Arrow(p, 7, 22, 7, 2);
        Dot(p, 7, 16);
      };
    case Tool::B_N_cuadricula:
      return [](QPainter& p) {
        for (int x = 4; x <= 20; x += 4)
          for (int y = 4; y <= 20; y += 4) p.drawPoint(x, y);
        Line(p, 2, 16, 22, 16);
        Line(p, 8, 2, 8, 22);
      };
    case Tool::B_redefpun:
      return [](QPainter& p) {
        p.drawEllipse(QPointF(14, 14), 7, 7);
        Arrow(p, 3, 3, 8, 9);
        Dot(p, 3, 3);
        Dot(p, 9, 10);
      };
    case Tool::B_zoom:
      return [](QPainter& p) {
        p.drawEllipse(QPointF(10, 10), 6, 6);
        p.setPen(QPen(kInk, 3));
        Line(p, 14, 14, 21, 21);
      };
    case Tool::B_Angulo:
      return [](QPainter& p) {
        Line(p, 4, 19, 21, 19);
        Line(p, 4, 19, 16, 5);
        p.drawArc(QRectF(-4, 11, 16, 16), 0, 50 * 16);
      };
    case Tool::B_vernover:
      return [](QPainter& p) {
        p.drawEllipse(QRectF(3, 7, 18, 10));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(12, 12), 3, 3);
        Line(p, 3, 21, 21, 3);
      };
    case Tool::B_editelem:
      return [](QPainter& p) {
        Line(p, 5, 19, 17, 7);
        Line(p, 17, 7, 20, 10);
        Line(p, 20, 10, 8, 22);
        Line(p, 5, 19, 8, 22);
      };
    case Tool::B_elimelem:
      return [](QPainter& p) {
        p.setPen(QPen(kDot, 2.5));
        Line(p, 5, 5, 19, 19);
        Line(p, 19, 5, 5, 19);
      };
    case Tool::B_font:
      return [](QPainter& p) {
        QFont f = p.font();
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, "A");
      };
    case Tool::B_color:
      return [](QPainter& p) {
        p.setBrush(QColor(255, 0, 0));
        p.drawRect(3, 3, 18, 18);
      };
    case Tool::B_color_relleno:
      return [](QPainter& p) {
        p.setBrush(QColor(255, 200, 0));
        RegularPolygon(p, 3, 10, M_PI / 2);
      };
    case Tool::B_Lugar_G:
      return [](QPainter& p) {
        QPainterPath path;
        path.moveTo(2, 18);
        path.cubicTo(8, 2, 14, 24, 22, 6);
        p.setPen(QPen(kDot, 1.2, Qt::DotLine));
        p.drawPath(path);
        p.setPen(QPen(kInk, 1.5));
        Line(p, 4, 21, 20, 21);
        Dot(p, 12, 21);
      };
    case Tool::B_Punto_Sim:
      return [](QPainter& p) {
        Line(p, 4, 18, 20, 6);
        Dot(p, 4, 18);
        Dot(p, 20, 6);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
      };
    case Tool::B_sim_ax:
      return [](QPainter& p) {
        Line(p, 12, 2, 12, 22);
        p.setBrush(QColor(200, 210, 255));
        p.drawPolygon(QPolygonF() << QPointF(9, 6) << QPointF(3, 18) << QPointF(9, 18));
        p.drawPolygon(QPolygonF() << QPointF(15, 6) << QPointF(21, 18) << QPointF(15, 18));
      };
    case Tool::B_traslac:
      return [](QPainter& p) {
        p.setBrush(QColor(200, 210, 255));
        p.drawRect(QRectF(2, 12, 8, 8));
        p.drawRect(QRectF(14, 3, 8, 8));
        p.setPen(QPen(kDot, 1.2));
        Arrow(p, 6, 16, 18, 7);
      };
    case Tool::B_giro:
      return [](QPainter& p) {
        p.drawArc(QRectF(3, 3, 18, 18), 0, 240 * 16);
        Arrow(p, 19.5, 8, 21, 12);
        Dot(p, 12, 12);
      };
    case Tool::B_homotec:
      return [](QPainter& p) {
        Dot(p, 3, 20);
        p.setBrush(QColor(200, 210, 255));
        p.drawPolygon(QPolygonF() << QPointF(8, 16) << QPointF(12, 16) << QPointF(8, 12));
        p.drawPolygon(QPolygonF() << QPointF(12, 12) << QPointF(22, 12) << QPointF(12, 2));
        p.setPen(QPen(kInk, 0.8, Qt::DotLine));
        Line(p, 3, 20, 12, 2);
        Line(p, 3, 20, 22, 12);
      };
    case Tool::B_inversion:
      return [](QPainter& p) {
        p.drawEllipse(QPointF(10, 12), 8, 8);
        Dot(p, 10, 12);
        Dot(p, 14, 12);
        Dot(p, 22, 12);
      };
    case Tool::B_comp_par:
    case Tool::B_comp_perp:
    case Tool::B_comp_pert:
    case Tool::B_comp_eq:
    case Tool::B_comp_al:
      return [tool](QPainter& p) {
        // A question mark beside what the check asks.
        if (tool == Tool::B_comp_par) {
          Line(p, 2, 16, 14, 10);
          Line(p, 2, 22, 14, 16);
        } else if (tool == Tool::B_comp_perp) {
          Line(p, 2, 20, 14, 20);
          Line(p, 6, 8, 6, 22);
        } else if (tool == Tool::B_comp_pert) {
          p.drawEllipse(QPointF(8, 15), 6, 6);
          Dot(p, 14, 15);
        } else if (tool == Tool::B_comp_eq) {
          Line(p, 2, 12, 12, 12);
          Line(p, 2, 18, 12, 18);
        } else {
          Dot(p, 2, 21);
          Dot(p, 7, 16);
          Dot(p, 12, 11);
        }
        QFont f = p.font();
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(kDot);
        p.drawText(QRectF(12, 0, 12, 14), Qt::AlignCenter, "?");
      };
    case Tool::B_punto_desp:
      return [](QPainter& p) {
        Dot(p, 5, 18);
        p.setPen(QPen(kInk, 1.2, Qt::DashLine));
        Arrow(p, 5, 18, 19, 6);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(19, 6), 2.5, 2.5);
      };
    case Tool::B_puncoord:
      return [](QPainter& p) {
        Line(p, 2, 20, 22, 20);
        Line(p, 4, 22, 4, 2);
        p.setPen(QPen(kInk, 0.8, Qt::DotLine));
        Line(p, 16, 8, 16, 20);
        Line(p, 16, 8, 4, 8);
        Dot(p, 16, 8);
      };
    case Tool::B_rep_pun:
      return [](QPainter& p) {
        Line(p, 2, 20, 22, 20);
        Line(p, 4, 22, 4, 2);
        p.setPen(QPen(kInk, 1.2));
        p.drawRect(QRectF(8, 4, 12, 8));
        Dot(p, 14, 16);
      };
    case Tool::B_N_longdist:
      return [](QPainter& p) {
        Line(p, 3, 18, 21, 18);
        Line(p, 3, 14, 3, 22);
        Line(p, 21, 14, 21, 22);
        Arrow(p, 12, 18, 4, 18);
        Arrow(p, 12, 18, 20, 18);
        p.drawText(QRectF(0, 0, 24, 14), Qt::AlignCenter, "cm");
      };
    case Tool::B_N_angulo:
      return [](QPainter& p) {
        Line(p, 3, 20, 22, 20);
        Line(p, 3, 20, 17, 5);
        p.drawArc(QRectF(-5, 12, 16, 16), 0, 47 * 16);
        p.drawText(QRectF(10, 8, 14, 12), Qt::AlignCenter, QString::fromUtf8("\u00b0"));
      };
    case Tool::B_N_area:
      return [](QPainter& p) {
        p.setBrush(QColor(200, 210, 255));
        p.drawPolygon(QPolygonF() << QPointF(3, 20) << QPointF(8, 5) << QPointF(21, 9)
                                  << QPointF(18, 21));
        p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, "A");
      };
    case Tool::B_N_pend:
      return [](QPainter& p) {
        Line(p, 2, 21, 22, 5);
        p.setPen(QPen(kDot, 1));
        Line(p, 8, 16, 16, 16);
        Line(p, 16, 16, 16, 9.6);
      };
    case Tool::B_N_prop:
      return [](QPainter& p) {
        Line(p, 4, 7, 14, 7);
        Line(p, 4, 17, 20, 17);
        p.setPen(QPen(kDot, 1.2));
        Line(p, 3, 12, 21, 12);
      };
    case Tool::B_N_ecoord:
      return [](QPainter& p) {
        Line(p, 2, 20, 22, 20);
        Line(p, 4, 22, 4, 2);
        Dot(p, 15, 12);
        QFont f = p.font();
        f.setPixelSize(7);
        p.setFont(f);
        p.drawText(QRectF(6, 1, 18, 9), Qt::AlignCenter, "(x,y)");
      };
    case Tool::B_N_calcular:
    case Tool::B_N_parametro:
    case Tool::B_N_funcion:
      return [tool](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(4, 2, 16, 20), 2, 2);
        p.drawRect(QRectF(7, 5, 10, 4));
        QFont f = p.font();
        f.setPixelSize(8);
        f.setBold(true);
        p.setFont(f);
        const char* mark = tool == Tool::B_N_calcular    ? "+="
                           : tool == Tool::B_N_parametro ? "a"
                                                         : "f";
        p.drawText(QRectF(4, 10, 16, 11), Qt::AlignCenter, mark);
      };
    case Tool::B_N_rep_fun:
      return [](QPainter& p) {
        Line(p, 2, 16, 22, 16);
        Line(p, 6, 22, 6, 2);
        QPainterPath path;
        path.moveTo(2, 22);
        path.cubicTo(8, 2, 14, 22, 22, 3);
        p.setPen(QPen(kDot, 1.4));
        p.drawPath(path);
      };
    case Tool::B_traza:
      return [](QPainter& p) {
        p.setPen(QPen(kInk, 1, Qt::DotLine));
        p.drawArc(QRectF(3, 3, 18, 18), 30 * 16, 260 * 16);
        Dot(p, 19.8, 7.5);
      };
    case Tool::B_anim:
      return [](QPainter& p) {
        p.setBrush(kInk);
        p.drawPolygon(QPolygonF() << QPointF(7, 4) << QPointF(19, 12) << QPointF(7, 20));
      };
    case Tool::B_N_tabla:
      return [](QPainter& p) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 4, 18, 16));
        Line(p, 3, 9, 21, 9);
        Line(p, 3, 14, 21, 14);
        Line(p, 12, 4, 12, 20);
      };
    case Tool::B_MacCon:
    case Tool::B_mac_ini:
    case Tool::B_mac_fin:
      return [tool](QPainter& p) {
        p.setBrush(QColor(240, 220, 150));
        p.drawRoundedRect(QRectF(3, 5, 18, 14), 3, 3);
        QFont f = p.font();
        f.setPixelSize(9);
        f.setBold(true);
        p.setFont(f);
        const char* mark = tool == Tool::B_MacCon ? "M" : tool == Tool::B_mac_ini ? "M+" : "M!";
        p.drawText(QRectF(3, 5, 18, 14), Qt::AlignCenter, mark);
      };
    case Tool::B_Texto:
      return [](QPainter& p) {
        QFont f = p.font();
        f.setPixelSize(15);
        f.setItalic(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, "Ab");
      };
    case Tool::B_vernoverbot:
    case Tool::B_movbot:
      return [tool](QPainter& p) {
        p.setBrush(QColor(225, 225, 225));
        p.drawRoundedRect(QRectF(2, 6, 20, 12), 3, 3);
        if (tool == Tool::B_movbot) {
          Arrow(p, 7, 12, 17, 12);
        } else {
          p.setBrush(kInk);
          p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
        }
      };
    case Tool::B_inbitmap:
      return [](QPainter& p) {
        p.setBrush(QColor(190, 225, 255));
        p.drawRect(QRectF(3, 4, 18, 16));
        p.setBrush(QColor(90, 160, 90));
        p.drawPolygon(QPolygonF() << QPointF(3, 20) << QPointF(10, 10) << QPointF(15, 16)
                                  << QPointF(18, 13) << QPointF(21, 20));
      };
    case Tool::B_iteracion:
      return [](QPainter& p) {
        for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(5 + 4.5 * i, 12), 5 - i, 5 - i);
      };
    case Tool::B_colorpar:
    case Tool::B_colorpar_relleno:
      return [tool](QPainter& p) {
        for (int i = 0; i < 6; ++i) {
          p.setPen(Qt::NoPen);
          p.setBrush(QColor::fromHsv(i * 60, 220, 240));
          if (tool == Tool::B_colorpar)
            p.drawRect(QRectF(3 + 3 * i, 3, 3, 18));
          else
            p.drawPie(QRectF(3, 3, 18, 18), i * 60 * 16, 60 * 16);
        }
      };
    default: break;
  }
  // Members of the style buttons: their place in the group.
  auto member = [tool](Tool first) { return ToolNumber(tool) - ToolNumber(first); };
  // The shapes follow the drawing codes: points 1 small square, 2 disc, 3 ring, 4 cross,
  // 5 large square, 6 one pixel; lines 1 thin, 2 thick, 3 dotted, 4 dash-dot, 5 and 7 pixels
  // wide; angle marks are arcs with the first three line styles.
  if (ToolBetween(tool, Tool::B_forma_punto1, Tool::B_forma_punto6))
    return [m = member(Tool::B_forma_punto1)](QPainter& p) {
      p.setPen(QPen(kDot, 1.5));
      p.setBrush(m == 2 ? QBrush(Qt::NoBrush) : QBrush(kDot));
      switch (m) {
        case 0: p.drawRect(QRectF(10, 10, 4, 4)); break;
        case 1:
        case 2: p.drawEllipse(QPointF(12, 12), 5, 5); break;
        case 3:
          Line(p, 7, 7, 17, 17);
          Line(p, 17, 7, 7, 17);
          break;
        case 4: p.drawRect(QRectF(7, 7, 10, 10)); break;
        default: p.drawRect(QRectF(11.5, 11.5, 1, 1)); break;
      }
    };
  if (ToolBetween(tool, Tool::B_forma_linea1, Tool::B_forma_linea6))
    return [m = member(Tool::B_forma_linea1)](QPainter& p) {
      static const double widths[] = {1, 3, 1.5, 1.5, 5, 7};
      static const Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::SolidLine, Qt::DotLine,
                                            Qt::DashDotLine, Qt::SolidLine, Qt::SolidLine};
      p.setPen(QPen(kInk, widths[m], styles[m], Qt::FlatCap));
      Line(p, 2, 12, 22, 12);
    };
  if (ToolBetween(tool, Tool::B_forma_angulo1, Tool::B_forma_angulo3))
    return [m = member(Tool::B_forma_angulo1)](QPainter& p) {
      Line(p, 3, 19, 22, 19);
      Line(p, 3, 19, 15, 4);
      static const double widths[] = {1, 3, 1.5};
      p.setPen(QPen(kInk, widths[m], m == 2 ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap));
      p.drawArc(QRectF(-9, 7, 24, 24), 0, 52 * 16);
    };
  // A tool without a glyph of its own: its number in a rounded square.
  return [n = ToolNumber(tool)](QPainter& p) {
    QFont f = p.font();
    f.setPixelSize(9);
    p.setFont(f);
    p.drawRoundedRect(QRectF(2, 2, 20, 20), 4, 4);
    p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QString::number(n));
  };
}

QIcon Paint(const Glyph& g) {
  QPixmap pm(24, 24);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 1.5));
  g(p);
  p.end();
  return QIcon(pm);
}

}  // namespace

QIcon ToolIcon(Tool tool) { return Paint(GlyphOf(tool)); }

QIcon AnchorIcon(int anchor) {
  if (anchor < 1 || anchor > 9) return {};
  // The picture as a frame; the dot marks the point it hangs from.
  const double x = 5 + 7 * ((anchor - 1) % 3), y = 5 + 7 * ((anchor - 1) / 3);
  return Paint([x, y](QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(190, 225, 255));
    p.drawRect(QRectF(5, 5, 14, 14));
    Dot(p, x, y);
  });
}

QIcon StyleIcon(StyleFamily family, int style) {
  const Tool first = family == StyleFamily::PointShape  ? Tool::B_forma_punto1
                     : family == StyleFamily::LineStyle ? Tool::B_forma_linea1
                                                        : Tool::B_forma_angulo1;
  const int count = StyleCodeCount(family);
  if (style < 1 || style > count) return {};
  return ToolIcon(static_cast<Tool>(static_cast<int>(first) + style - 1));
}

QIcon CommandIcon(const char* name) {
  auto is = [&](const char* n) { return std::strcmp(name, n) == 0; };
  if (is("B_undo") || is("B_redo")) {
    const bool undo = is("B_undo");
    return Paint([undo](QPainter& p) {
      QPainterPath path;
      path.moveTo(undo ? 19 : 5, 18);
      path.cubicTo(undo ? 19 : 5, 6, undo ? 8 : 16, 6, undo ? 5 : 19, 10);
      p.drawPath(path);
      const double x = undo ? 5 : 19;
      Line(p, x, 10, x + (undo ? 6 : -6), 9);
      Line(p, x, 10, x + (undo ? 2 : -2), 4);
    });
  }
  if (is("B_doc_nuevo") || is("B_doc_abrir") || is("B_doc_guardar") || is("B_doc_cerrar")) {
    const char c = name[6];
    return Paint([c](QPainter& p) {
      p.setBrush(Qt::white);
      p.drawRect(QRectF(5, 3, 14, 18));
      if (c == 'a') {
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(2, 10, 16, 11));
      }
      if (c == 'g') {
        p.setBrush(kInk);
        p.drawRect(QRectF(8, 14, 8, 7));
      }
      if (c == 'c') {
        p.setPen(QPen(kDot, 2));
        Line(p, 8, 8, 16, 16);
        Line(p, 16, 8, 8, 16);
      }
      if (c == 'n') {
        p.setPen(QPen(kDot, 2));
        Line(p, 12, 8, 12, 16);
        Line(p, 8, 12, 16, 12);
      }
    });
  }
  if (is("B_todoelem"))
    return Paint([](QPainter& p) {
      p.drawEllipse(QRectF(3, 7, 18, 10));
      p.setBrush(kInk);
      p.drawEllipse(QPointF(12, 12), 3, 3);
    });
  if (is("B_pancom"))
    return Paint([](QPainter& p) {
      p.drawRect(QRectF(3, 5, 18, 14));
      Arrow(p, 12, 12, 20, 6);
      Arrow(p, 12, 12, 4, 18);
    });
  if (is("B_visor_salirvisor"))
    return Paint([](QPainter& p) {
      p.drawRect(QRectF(4, 3, 11, 18));
      Arrow(p, 9, 12, 21, 12);
    });
  if (is("B_MuePan"))
    return Paint([](QPainter& p) {
      Arrow(p, 12, 12, 12, 2);
      Arrow(p, 12, 12, 12, 22);
      Arrow(p, 12, 12, 2, 12);
      Arrow(p, 12, 12, 22, 12);
    });
  if (is("B_doc_pri") || is("B_doc_ant") || is("B_doc_sig") || is("B_doc_ult")) {
    const bool back = is("B_doc_pri") || is("B_doc_ant");
    const bool end = is("B_doc_pri") || is("B_doc_ult");
    return Paint([back, end](QPainter& p) {
      QPolygonF tri;
      if (back)
        tri << QPointF(17, 5) << QPointF(7, 12) << QPointF(17, 19);
      else
        tri << QPointF(7, 5) << QPointF(17, 12) << QPointF(7, 19);
      p.setBrush(kInk);
      p.drawPolygon(tri);
      if (end) Line(p, back ? 5 : 19, 5, back ? 5 : 19, 19);
    });
  }
  return Paint([](QPainter& p) { p.drawRoundedRect(QRectF(3, 3, 18, 18), 4, 4); });
}

QIcon ColourIcon(int bgr) {
  QPixmap pm(16, 16);
  pm.fill(QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
  QPainter p(&pm);
  p.setPen(Qt::black);
  p.drawRect(0, 0, 15, 15);
  return QIcon(pm);
}

}  // namespace velt
