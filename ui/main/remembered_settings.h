// The main window's part of the remembered settings: at start-up the last port (unless ports
// were named on the command line), the application option and the window position come back;
// afterwards each is remembered when it changes. Nothing happens without a settings store.
#pragma once

#include "ui/common/session.h"
#include "ui/main/can_view.h"
#include "ui/main/link_area.h"

class QWidget;

namespace q4410::ui {

class Main_F;

void RestoreAndRemember(Main_F& window, Session& session, const LinkArea& link, const CanView& can);

}  // namespace q4410::ui
