#include "config/settings_rules.h"

#include "config/lists.h"
#include "config/numbers.h"

namespace q4410 {

namespace {

constexpr int kMaxComTimeoutMs = 32767;

bool InList(int position, std::size_t count) {
  return position >= 0 && static_cast<std::size_t>(position) < count;
}

SettingOutcome Refused(std::string message) {
  return {false, std::move(message), "Error"};
}

}  // namespace

int MaxNodeId(AppSelection app) {
  return app == AppSelection::DeviceNet ? 63 : 127;
}

std::span<const std::string_view> CanBaudEntries(AppSelection app) {
  if (app == AppSelection::DeviceNet) return kDevicenetBaudEntries;
  return kCanopenBaudEntries;
}

std::string_view AppName(AppSelection app) {
  return app == AppSelection::DeviceNet ? "DeviceNet" : "CANopen";
}

AppSelection StoredApp(const ParaDef& rec) {
  return rec.AppKind == 0 ? AppSelection::CANopen : AppSelection::DeviceNet;
}

void FitCanFieldsToApplication(ParaDef& rec) {
  const AppSelection app = StoredApp(rec);
  if (rec.NodeId < 1 || rec.NodeId > MaxNodeId(app)) rec.NodeId = 1;
  if (!InList(rec.CanBaudCode, CanBaudEntries(app).size())) rec.CanBaudCode = 0;
}

SettingOutcome ApplyCanSetting(ParaDef& rec, AppSelection app, std::string_view nodeIdText,
                               int baudPosition) {
  const double v = NumericValue(nodeIdText);
  if (v < 1 || v > MaxNodeId(app))
    return Refused("Node ID is not supported!(1~" + std::to_string(MaxNodeId(app)) + ")");
  // The lists of the window always have a selection; a caller without one gets told.
  if (!InList(baudPosition, CanBaudEntries(app).size()))
    return Refused("Baud rate is not supported!");
  rec.AppKind = static_cast<int>(app);
  rec.CanBaudCode = baudPosition;
  rec.NodeId = static_cast<int>(RoundHalfEven(v));
  return {};
}

SettingOutcome ApplyComSetting(ParaDef& rec, std::string_view timeoutText, int baudPos,
                               int dataBitsPos, int parityPos, int stopBitsPos) {
  const double t = NumericValue(timeoutText);
  if (t < 1 || t > kMaxComTimeoutMs) return Refused("Timeout value is out of range!(1ms~32767ms)");
  if (!InList(baudPos, kComBaudEntries.size()) || !InList(dataBitsPos, kComDataBitEntries.size()) ||
      !InList(parityPos, kComParityEntries.size()) ||
      !InList(stopBitsPos, kComStopBitEntries.size()))
    return Refused("COM parameter is not supported!");
  rec.ComBaudCode = baudPos;
  rec.ComDataBits = dataBitsPos + 8;
  rec.ComParity = parityPos;
  rec.ComStopBits = stopBitsPos + 1;
  rec.ComTimeoutMs = static_cast<int>(RoundHalfEven(t));
  rec.ComChecksum = ComChecksumOf(rec);
  return {};
}

}  // namespace q4410
