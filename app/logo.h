// The splash window shown while the utility starts.
#pragma once

#include <QWidget>

namespace q4410::app {

class Logo : public QWidget {
 public:
  Logo();
};

}  // namespace q4410::app
