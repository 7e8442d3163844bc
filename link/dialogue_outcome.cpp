#include "link/dialogue_outcome.h"

#include "link/serial_trace.h"

namespace q4410 {

std::string Describe(const FailurePlace& place) {
  std::string text;
  if (place.block >= 0)
    text =
        "block " + std::to_string(place.block) + ", offset " + std::to_string(place.offset) + ": ";
  text += "sent \"" + VisibleBytes(place.sent) + "\"";
  if (!place.awaited.empty()) text += ", awaited \"" + VisibleBytes(place.awaited) + "\"";
  if (!place.reason.empty()) text += ": " + place.reason;
  text += place.received.empty() ? "; nothing received"
                                 : "; last received \"" + VisibleBytes(place.received) + "\"";
  return text;
}

}  // namespace q4410
