#include "texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace velt {
namespace {

const char* Property(TextRole role) {
  switch (role) {
    case TextRole::Caption: return "veltText";
    case TextRole::Hint: return "veltHint";
    case TextRole::Status: return "veltStatus";
  }
  return "veltText";
}

void Put(QObject* o, TextRole role, const QString& text) {
  if (auto* a = qobject_cast<QAction*>(o)) {
    if (role == TextRole::Caption) a->setText(text);
    if (role == TextRole::Hint) a->setToolTip(text);
    if (role == TextRole::Status) a->setStatusTip(text);
    return;
  }
  auto* w = qobject_cast<QWidget*>(o);
  if (!w) return;
  if (role == TextRole::Hint) {
    w->setToolTip(text);
  } else if (role == TextRole::Status) {
    w->setStatusTip(text);
  } else if (auto* m = qobject_cast<QMenu*>(w)) {
    m->setTitle(text);
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    b->setText(text);
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    l->setText(text);
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    g->setTitle(text);
  } else {
    w->setWindowTitle(text);
  }
}

void Refresh(QObject* o, const LanguageTable& lang) {
  for (TextRole role : {TextRole::Caption, TextRole::Hint, TextRole::Status}) {
    const QVariant v = o->property(Property(role));
    if (v.isValid()) Put(o, role, QString::fromStdString(lang.Get(v.toInt())));
  }
}

}  // namespace

void SetText(QObject* o, int number, const LanguageTable& lang, TextRole role) {
  o->setProperty(Property(role), number);
  Put(o, role, QString::fromStdString(lang.Get(number)));
}

void RefreshTexts(QObject* root, const LanguageTable& lang) {
  Refresh(root, lang);
  for (QObject* o : root->findChildren<QObject*>()) Refresh(o, lang);
}

}  // namespace velt
