// The "Setting" (CAN side) and "Set" (Modbus line) actions of the general settings: check the
// entered values and store them into the record. The main window and q4410ctl share them.
// A refused setting changes nothing and names the message box to show.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "config/para_def.h"

namespace q4410 {

inline constexpr std::string_view kCanSettingOkStatus = "Setting CAN Parameter Ok";
inline constexpr std::string_view kComSettingOkStatus = "Setting COM Parameter Ok";

struct SettingOutcome {
  bool ok = true;
  std::string message;  // the message box text when refused
  std::string title;    // its title
};

// Node ID range of an application: 1..127 for CANopen, 1..63 for DeviceNet.
int MaxNodeId(AppSelection app);

// The CAN baud list of an application; the stored code is the position in it.
std::span<const std::string_view> CanBaudEntries(AppSelection app);

// Application name as the viewer shows it: "CANopen" or "DeviceNet".
std::string_view AppName(AppSelection app);

// The application the record stores (anything but 0 counts as DeviceNet).
AppSelection StoredApp(const ParaDef& rec);

// Node ID and baud code of the record as the CAN view shows them under the stored
// application: a node ID outside its range becomes 1, a baud code without an entry in the
// application's list becomes 0.
void FitCanFieldsToApplication(ParaDef& rec);

// "Setting": node ID text and baud list position under the selected application.
SettingOutcome ApplyCanSetting(ParaDef& rec, AppSelection app, std::string_view nodeIdText,
                               int baudPosition);

// "Set": time-out text and the positions in the baud, data bit, parity and stop bit lists.
SettingOutcome ApplyComSetting(ParaDef& rec, std::string_view timeoutText, int baudPos,
                               int dataBitsPos, int parityPos, int stopBitsPos);

}  // namespace q4410
