#include "ui/main/widget_helpers.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace q4410::ui {

QString IndexedName(const char* name, int index) {
  return QString("%1_%2").arg(QLatin1String(name)).arg(index);
}

QGroupBox* Frame(QWidget* parent, const QString& name, const QString& caption) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setObjectName(name);
  return frame;
}

QLabel* Label(QWidget* parent, const QString& name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  return label;
}

QComboBox* List(QWidget* parent, const QString& name) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list->setMinimumContentsLength(14);
  list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return list;
}

QLineEdit* TextBox(QWidget* parent, const QString& name, bool readOnly) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setReadOnly(readOnly);
  if (readOnly) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window).lighter(104));
    box->setPalette(palette);
    box->setFocusPolicy(Qt::NoFocus);
  }
  return box;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

void KeepPlaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

}  // namespace q4410::ui
