#include "ui/common/session.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <thread>

namespace q4410::ui {

void ShowMessage(Session& session, QWidget* parent, const std::string& text,
                 const std::string& title) {
  if (session.link.LinkBusy)
    session.boxes.Notify(parent, text, title);
  else
    session.boxes.Show(parent, text, title);
}

ConsoleEnv WindowConsoleEnv() {
  return {[] {
            return std::chrono::duration_cast<std::chrono::microseconds>(
                std::chrono::steady_clock::now().time_since_epoch());
          },
          [] {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            std::this_thread::sleep_for(std::chrono::microseconds(100));
          }};
}

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  // The frame is known only once the window is on screen; before that, allow for a title bar.
  const QSize frame = window->isVisible() ? window->frameGeometry().size() - window->size()
                                          : QSize(0, kTitleBarAllowance);
  const QSize room = area.size() - frame;
  if (window->width() > room.width() || window->height() > room.height())
    window->resize(window->size().boundedTo(room));
  const QSize size = window->size() + frame;
  window->move(area.x() + std::max(0, (area.width() - size.width()) / 2),
               area.y() + std::max(0, (area.height() - size.height()) / 2));
}

BusyCursor::BusyCursor(QWidget* window) : window_(window) {
  if (window_) window_->setCursor(Qt::BusyCursor);
}

BusyCursor::~BusyCursor() {
  if (window_) window_->unsetCursor();
}

}  // namespace q4410::ui
