#include "ui/objects/digit_key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <utility>

namespace q4410::ui {

DigitKeyFilter::DigitKeyFilter(std::function<void()> beep, std::function<void()> accepted,
                               QObject* parent)
    : QObject(parent), beep_(std::move(beep)), accepted_(std::move(accepted)) {}

void DigitKeyFilter::Attach(QLineEdit* field) {
  field->installEventFilter(this);
  field->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
  field->setContextMenuPolicy(Qt::NoContextMenu);
  field->setAcceptDrops(false);
}

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Backspace) {
    accepted_();
    return false;
  }
  // Delete types nothing, though some platforms hand it over with the text "\x7f"; Enter
  // (with the text "\r") stores the fields and Escape ("\x1b") belongs to the window.
  switch (key->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      return false;
    default:
      break;
  }
  const QString text = key->text();
  const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  if (text.isEmpty() || shortcut || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
    return false;
  if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')) {
    accepted_();
    return false;
  }
  beep_();
  return true;
}

}  // namespace q4410::ui
