// Lays the application objects out into CANopen receive and transmit PDOs of 8 bytes.
#pragma once

#include "config/para_def.h"

namespace q4410 {

inline constexpr const char* kPdoFiller = "--------:----";

// Recomputes RxPdoTable/TxPdoTable (PDOs that no rule writes keep their earlier texts), the
// four byte counters, RxPdoNext/TxPdoNext and RxPdoLast/TxPdoLast from AppObjects and the
// two "Mapping Closed" flags.
void BuildPdoMapping(ParaDef& rec);

}  // namespace q4410
