// The connect: open the port, bring the console to its prompt, recognise the controller,
// read the firmware words and the stored configuration, check and decode them into the
// record. The main window and q4410ctl are its two faces.
#pragma once

#include <string>

#include "config/para_def.h"
#include "link/dialogue_observer.h"
#include "link/link.h"

namespace q4410 {

class ConnectObserver : public DialogueObserver {
 public:
  // The port is open and the dialogue begins: the window resets its layout and disables
  // what could start another dialogue.
  virtual void Started() {}
  // The module has been read (successfully, possibly with data-error defaults) and the port
  // is closed: the window shows the module picture of `controllerKind` (0 5160r, 1 5160QT)
  // and the CAN view controls. Any data-error warning follows after this call.
  virtual void ModuleShown(int controllerKind) { (void)controllerKind; }
  // The dialogue failed after Started(): the window releases the link controls.
  virtual void LinkReleased() {}
};

enum class ConnectResult {
  Busy,       // LinkBusy was set: nothing happened
  NotOpened,  // the port could not be opened; the record is unchanged
  Failed,     // a failure after the port was opened; messages were shown
  Connected,  // the record holds the module's configuration (EepromDataError may be set)
};

struct ConnectRequest {
  std::string port;  // device / port label as listed
  AppSelection selected = AppSelection::CANopen;
};

ConnectResult RunConnect(ParaDef& rec, Link& link, const ConnectRequest& request,
                         ConnectObserver& observer);

}  // namespace q4410
