#include "ui/main/remembered_settings.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QStringList>
#include <algorithm>

#include "ui/common/settings_store.h"
#include "ui/main/main_f.h"

namespace q4410::ui {

namespace {

// "X,Y" as remembered, when it lies on a screen that is there now.
bool PositionOnScreen(const std::string& text, QPoint& position) {
  const QStringList parts = QString::fromStdString(text).split(',');
  bool okX = false, okY = false;
  if (parts.size() != 2) return false;
  position = QPoint(parts[0].toInt(&okX), parts[1].toInt(&okY));
  if (!okX || !okY) return false;
  for (QScreen* screen : QGuiApplication::screens())
    if (screen->availableGeometry().contains(position)) return true;
  return false;
}

// Remembers the window's position whenever it moves.
class PositionKeeper : public QObject {
 public:
  PositionKeeper(QWidget* window, SettingsStore& store) : QObject(window), store_(store) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Move && window->isVisible())
      store_.SetValue(kWindowPositionKey,
                      QString("%1,%2").arg(window->pos().x()).arg(window->pos().y()).toStdString());
    return false;
  }

 private:
  SettingsStore& store_;
};

}  // namespace

void RestoreAndRemember(Main_F& window, Session& session, const LinkArea& link,
                        const CanView& can) {
  if (!session.settings) return;
  SettingsStore& store = *session.settings;
  const std::vector<std::string>& ports = session.link.ComPorts;

  if (session.extraPorts.empty()) {
    const auto last = std::find(ports.begin(), ports.end(), store.Value(kLastPortKey));
    if (last != ports.end()) link.ComPort->setCurrentIndex(static_cast<int>(last - ports.begin()));
  }
  if (store.Value(kApplicationKey) == "DeviceNet") window.ApplicationSelect_Click(1);
  QPoint position;
  if (PositionOnScreen(store.Value(kWindowPositionKey), position)) window.move(position);

  QObject::connect(link.ComPort, &QComboBox::currentIndexChanged, &window, [&session](int index) {
    const std::vector<std::string>& listed = session.link.ComPorts;
    if (index >= 0 && index < static_cast<int>(listed.size()))
      session.settings->SetValue(kLastPortKey, listed[index]);
  });
  QObject::connect(can.ApplicationSelect[1], &QRadioButton::toggled, &window,
                   [&store](bool deviceNet) {
                     store.SetValue(kApplicationKey, deviceNet ? "DeviceNet" : "CANopen");
                   });
  new PositionKeeper(&window, store);
}

}  // namespace q4410::ui
