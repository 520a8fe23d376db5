#include "construction_list_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

#include "qt_canvas.h"
#include "ui/strings_export.h"
#include "ui/strings_window.h"

namespace velt {
namespace {

constexpr int32_t kRed = 255, kGreen = 65280, kBlue = 16711680, kWhite = 0xFFFFFF;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Rows in three colours: the number, the kind and name, the description.
class RowDelegate : public QStyledItemDelegate {
 public:
  RowDelegate(const std::vector<ListRow>& rows, const Workspace& ws, QObject* parent)
      : QStyledItemDelegate(parent), rows_(rows), ws_(ws) {}
  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const size_t i = static_cast<size_t>(index.row());
    if (i >= rows_.size()) return;
    const ListRow& r = rows_[i];
    const int32_t back = ws_.options.listBackground;
    const bool selected = option.state & QStyle::State_Selected;
    p->save();
    p->fillRect(option.rect, selected ? option.palette.highlight().color() : ToQColor(back));
    p->setFont(option.font);
    int x = option.rect.left() + 2;
    const int y = option.rect.top() + option.fontMetrics.ascent() + 1;
    auto part = [&](const QString& text, int32_t colour) {
      p->setPen(ToQColor(colour));
      p->drawText(x, y, text);
      x += option.fontMetrics.horizontalAdvance(text);
    };
    part(QString::number(r.number) + ". ", back == kRed ? kGreen : kRed);
    const int32_t firstColour =
        selected ? kWhite : (r.shown ? ws_.options.listFont.colour : ws_.doc().hiddenColour);
    part(Q(r.first), firstColour);
    if (!r.description.empty())
      part("  " + Q(r.description), back == kGreen ? 0 : back == kWhite ? kBlue : kGreen);
    p->restore();
  }

 private:
  const std::vector<ListRow>& rows_;
  const Workspace& ws_;
};

}  // namespace

ConstructionListWindow::ConstructionListWindow(Workspace& ws, std::function<void()> redraw,
                                               std::function<bool(Element&)> edit, QWidget* parent)
    : QDialog(parent, Qt::Tool), ws_(ws), redraw_(std::move(redraw)), edit_(std::move(edit)) {
  setObjectName("ListaConstruccion");
  setWindowTitle(Q(ws.Text(str::kConstructionListCaption)));
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  auto button = [&](const char* name, const QString& text, std::function<void()> run) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setText(text);
    connect(b, &QToolButton::clicked, this, [run = std::move(run)] { run(); });
    bar->addWidget(b);
    return b;
  };
  button("B_pri", "|<", [this] { Step(ListStep::First); });
  button("B_ant", "<", [this] { Step(ListStep::Previous); });
  button("B_sig", ">", [this] { Step(ListStep::Next); });
  button("B_ult", ">|", [this] { Step(ListStep::Last); });
  showAll_ = button("B_vertodo", Q(ws.Text(str::kShowAllButton)), [this] { Refill(); });
  showAll_->setCheckable(true);
  button("M_copiar", Q(ws.Text(str::kCopy)), [this] { CopyText(); });
  bar->addStretch();
  layout->addLayout(bar);
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  list_->setItemDelegate(new RowDelegate(rows_, ws_, list_));
  const Font& f = ws.options.listFont;
  QFont font(Q(f.face));
  font.setPixelSize(std::max(6, f.size * 96 / 72));
  list_->setFont(font);
  QPalette palette = list_->palette();
  palette.setColor(QPalette::Base, ToQColor(ws.options.listBackground));
  list_->setPalette(palette);
  layout->addWidget(list_);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { Highlight(row); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    const int row = list_->row(item);
    if (row < 0 || row >= static_cast<int>(rows_.size()) || !edit_) return;
    const size_t before = ws_.doc().elements().size();
    edit_(*rows_[static_cast<size_t>(row)].element);
    // The row stays only when the list kept its elements.
    if (ws_.doc().elements().size() != before) {
      highlighted_ = nullptr;
      for (auto& e : ws_.doc().elements()) e->selected = 0;
    }
    Refill();
    redraw_();
  });
  resize(320, 420);
  Refill();
}

void ConstructionListWindow::Refill() {
  rows_ = ConstructionRows(ws_.doc(), ws_.language, showAll_->isChecked(), highlighted_);
  const QSignalBlocker block(list_);
  list_->clear();
  int current = -1;
  for (size_t i = 0; i < rows_.size(); ++i) {
    list_->addItem(QString::number(rows_[i].number) + ". " + Q(rows_[i].first));
    if (rows_[i].element == highlighted_) current = static_cast<int>(i);
  }
  list_->setCurrentRow(current);
}

void ConstructionListWindow::Highlight(int row) {
  if (highlighted_) highlighted_->selected = 0;
  highlighted_ = row >= 0 && row < static_cast<int>(rows_.size())
                     ? rows_[static_cast<size_t>(row)].element
                     : nullptr;
  if (highlighted_) highlighted_->selected = 1;
  redraw_();
}

void ConstructionListWindow::Step(ListStep step) {
  const int row = StepRow(list_->currentRow(), static_cast<int>(rows_.size()), step);
  if (row >= 0) list_->setCurrentRow(row);
}

void ConstructionListWindow::CopyText() {
  QApplication::clipboard()->setText(Q(ConstructionListText(rows_, kPlatformLineEnd)));
}

void ConstructionListWindow::done(int result) {
  if (highlighted_) highlighted_->selected = 0;
  highlighted_ = nullptr;
  redraw_();
  QDialog::done(result);
}

}  // namespace velt
