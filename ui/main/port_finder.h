// "Find" beside the port list: probes every listed port for the module with the prompt
// exchange only, selects the port where a 5160QT or 5160r answered and reports every port.
#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "ui/common/session.h"
#include "ui/main/link_area.h"

namespace q4410::ui {

class PortFinder : public QObject {
 public:
  // `linkEnabled` enables or disables the window's link controls around the search.
  PortFinder(QWidget* window, Session& session, const LinkArea& link,
             std::function<void(bool)> linkEnabled);

  void Find();

 private:
  QWidget* window_;
  Session& session_;
  LinkArea link_;
  std::function<void(bool)> linkEnabled_;
};

}  // namespace q4410::ui
