// The configuration as the module keeps it in its EEPROM: checking and unpacking the words
// read at connect, and packing the record into the words the download writes.
#pragma once

#include <cstdint>
#include <vector>

#include "config/para_def.h"

namespace q4410 {

inline constexpr uint32_t kBlock0Marker = 0x01B40000u;      // W0 high half 436
inline constexpr uint32_t kBlock0EarlyStopMax = 28573696u;  // W0 at most this: nothing stored
inline constexpr int kBlock0FirstOffset = 40;               // console offset of W0
inline constexpr int kBlock0WordCount = 29;                 // W0..W28
inline constexpr int kBlock2WordCount = 4;

// Firmware words of block 0 (offsets 0 and 4). A month above 12 or a day above 31 is
// stored as 0 and sets EepromDataError.
void DecodeFirmwareWords(ParaDef& rec, uint32_t f0, uint32_t f1);

// Checks and unpacks W0..W6 (`words` holds at least W0..W6). Returns false when W0 is at most
// kBlock0EarlyStopMax: a data error, and no field has been stored.
bool DecodeBlock0Header(ParaDef& rec, const std::vector<uint32_t>& words, AppSelection selected);

// Unpacks the application objects W7..W26 and checks the count words W27, W28 against them
// (`words` holds at least W0..W28). Called only when no data error was found so far; sets
// ModuleAppObjects and the four byte counts.
void DecodeBlock0Objects(ParaDef& rec, const std::vector<uint32_t>& words);

// The words the download writes into block 0 from offset 40: W0..W28 (29 words). The time
// stamp is taken from the record as it stands; the object and count words stay 0 while
// AppObjectsUnchanged is true.
std::vector<uint32_t> PackBlock0(const ParaDef& rec);

// The words the download writes into block 2: words 0..3.
std::vector<uint32_t> PackBlock2(const ParaDef& rec);

// Error-control fields from block 2 word 0 (GuardTime/LifeTimeFactor or HeartbeatTime,
// as bit 26 selects).
void DecodeErrorControl(ParaDef& rec, uint32_t block2Word0);

}  // namespace q4410
