// The EDS writer with arbitrary records: any texts (bytes that are no UTF-8 included), node
// IDs, baud codes, firmware and clock fields, error-control values, flags and up to ten
// objects of any kind code, start and length. The file must stay well-formed
// (tests/support/eds_check.h).
#include <fuzzer/FuzzedDataProvider.h>

#include "canopen/eds_writer.h"
#include "canopen/pdo_builder.h"
#include "check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  q4410::ParaDef rec;
  rec.NodeId = in.ConsumeIntegral<int>();
  rec.CanBaudCode = in.ConsumeIntegralInRange(-2, 10);
  rec.ModulePrompt = in.ConsumeRandomLengthString(16);
  rec.FirmwareMajor = in.ConsumeIntegral<int>();
  rec.FirmwareMinor = in.ConsumeIntegral<int>();
  rec.FirmwareYear = in.ConsumeIntegral<int>();
  rec.FirmwareMonth = in.ConsumeIntegral<int>();
  rec.FirmwareDay = in.ConsumeIntegral<int>();
  rec.AppObjectsUnchanged = in.ConsumeBool();
  rec.GuardTime = in.ConsumeIntegral<long>();
  rec.LifeTimeFactor = in.ConsumeIntegral<int>();
  rec.HeartbeatTime = in.ConsumeIntegral<long>();
  rec.RxPdoClosed = in.ConsumeIntegralInRange(-1, 2);
  rec.TxPdoClosed = in.ConsumeIntegralInRange(-1, 2);
  rec.AppObjectCount = in.ConsumeIntegralInRange(-1, 11);
  for (q4410::AppObject& object : rec.AppObjects) {
    if (in.remaining_bytes() == 0) break;
    // Braced lists take their values in order.
    object = {in.ConsumeRandomLengthString(8), in.ConsumeIntegralInRange(-2, 7),
              in.ConsumeIntegral<int>(),
              in.ConsumeBool() ? in.ConsumeIntegralInRange(-2, 300) : in.ConsumeIntegral<int>()};
  }
  const q4410::LocalTime clock{in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(),
                               in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(),
                               in.ConsumeIntegral<int>(), 0};
  rec.EdsInfoText[0] = in.ConsumeRandomLengthString(400);
  rec.EdsInfoText[1] = in.ConsumeRemainingBytesAsString();

  q4410::BuildPdoMapping(rec);
  q4410::fuzz::CheckEdsText(q4410::EdsFileText(rec, clock));
  return 0;
}
