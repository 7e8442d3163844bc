#include "ui/common/console_log_window.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace q4410::ui {

namespace {

// A long session keeps its newest lines; a connect makes about 200.
constexpr int kMaxLines = 100000;
// How long a line may wait before it is shown.
constexpr int kShowDelayMs = 100;

QString AskWithFileDialog(QWidget* parent) {
  return QFileDialog::getSaveFileName(parent, "Save console log", "console-log.txt",
                                      "Text files (*.txt *.log);;All files (*)");
}

}  // namespace

ConsoleLogWindow::ConsoleLogWindow(SerialTrace& trace, MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window), askSavePath(AskWithFileDialog), trace_(trace), boxes_(boxes) {
  setObjectName("ConsoleLog");
  setWindowTitle("Console log");

  text_ = new QPlainTextEdit(this);
  text_->setObjectName("LogText");
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setMaximumBlockCount(kMaxLines);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text_->setPlaceholderText("What is sent (>>) and received (<<) on the serial port appears here.");

  auto* clear = new QPushButton("&Clear", this);
  clear->setObjectName("ClearLog");
  auto* save = new QPushButton("&Save…", this);
  save->setObjectName("SaveLog");
  auto* close = new QPushButton("Cl&ose", this);
  close->setObjectName("CloseLog");
  connect(clear, &QPushButton::clicked, this, &ConsoleLogWindow::Clear);
  connect(save, &QPushButton::clicked, this, &ConsoleLogWindow::Save);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(clear);
  buttons->addWidget(save);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(buttons);
  resize(760, 480);

  showTimer_ = new QTimer(this);
  showTimer_->setSingleShot(true);
  showTimer_->setInterval(kShowDelayMs);
  connect(showTimer_, &QTimer::timeout, this, &ConsoleLogWindow::ShowPending);

  trace_.SetListener([this](const std::string& line) { Append(line); });
}

ConsoleLogWindow::~ConsoleLogWindow() {
  trace_.SetListener({});
}

void ConsoleLogWindow::Append(const std::string& line) {
  pending_.append(QString::fromStdString(line));
  if (!showTimer_->isActive()) showTimer_->start();
}

void ConsoleLogWindow::ShowPending() {
  showTimer_->stop();
  if (pending_.isEmpty()) return;
  text_->appendPlainText(pending_.join('\n'));
  pending_.clear();
}

QString ConsoleLogWindow::Text() {
  ShowPending();
  return text_->toPlainText();
}

void ConsoleLogWindow::Clear() {
  showTimer_->stop();
  pending_.clear();
  text_->clear();
}

void ConsoleLogWindow::Save() {
  const QString path = askSavePath(this);
  if (path.isEmpty()) return;
  QSaveFile file(path);
  QString text = Text();
  if (!text.isEmpty()) text += '\n';
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(text.toUtf8()) < 0 ||
      !file.commit()) {
    boxes_.Show(this,
                "The console log cannot be saved to " + path.toStdString() + ": " +
                    file.errorString().toStdString(),
                "Console log");
  }
}

}  // namespace q4410::ui
