// The kinds of application object and everything that differs between them. The code of a
// kind is its position in the editor's kind list and the byte the module stores; the editor,
// the viewers, the PDO layout and the EEPROM checks all ask this table, so a kind is added here
// and nowhere else.
#pragma once

#include <array>
#include <string_view>

namespace q4410 {

enum class ObjectKind { WriteDO, WriteAO, ReadDI, ReadAI, ReadDO, ReadAO };

struct KindTraits {
  ObjectKind kind;
  bool digital;  // lengths count bits, packed eight to a byte; otherwise 16-bit registers
  bool write;    // from the CAN master to the Modbus devices (Rx PDOs); otherwise read (Tx)
  std::string_view entry;         // the editor's kind list
  std::string_view shortName;     // viewers and reports
  std::string_view label;         // PDO mapping texts
  std::string_view addressLabel;  // beside the editor's start field
  std::string_view lengthLabel;   // beside the editor's length field, with the unit
  int maxLength;                  // the editor's limit, in the unit
  std::string_view startError;    // the editor's refusal of a start outside 1..9999
  std::string_view lengthError;   // and of a length outside 1..maxLength, with its title
  std::string_view lengthErrorTitle;
};

namespace kind_texts {
inline constexpr std::string_view kRelayStart = "Relay Start Address Error. (1-9999)";
inline constexpr std::string_view kRegisterStart = "Regisiter Start Address Error. (1-9999)";
inline constexpr std::string_view kBitLength = "Communication Length Error. (1-254)";
inline constexpr std::string_view kRegisterLength = "Communication Length Error. (1-55)";
}  // namespace kind_texts

inline constexpr std::array<KindTraits, 6> kKinds{{
    {ObjectKind::WriteDO, true, true, "  Write Digital Output (0x1x)", "Write DO", "DO",
     "Relay Address (1xxxx)", "Data Length (Bits)", 254, kind_texts::kRelayStart,
     kind_texts::kBitLength, "Erroe"},
    {ObjectKind::WriteAO, false, true, "  Write Analog  Output (0x4x)", "Write AO", "AO",
     "Register Address (4xxxx)", "Data Length (Words)", 55, kind_texts::kRegisterStart,
     kind_texts::kRegisterLength, "Error"},
    {ObjectKind::ReadDI, true, false, "  Read Digital Input  (0x0x)", "Read DI", "DI",
     "Relay Address (0xxxx)", "Data Length (Bits)", 254, kind_texts::kRelayStart,
     kind_texts::kBitLength, "Erroe"},
    {ObjectKind::ReadAI, false, false, "  Read Analog  Input  (0x3x)", "Read AI", "AI",
     "Register Address (3xxxx)", "Data Length (Words)", 55, kind_texts::kRegisterStart,
     kind_texts::kRegisterLength, "Error"},
    {ObjectKind::ReadDO, true, false, "  Read Digital Output (0x1x)", "Read DO", "DO",
     "Relay Address (1xxxx)", "Data Length (Bits)", 254, kind_texts::kRelayStart,
     kind_texts::kBitLength, "Erroe"},
    {ObjectKind::ReadAO, false, false, "  Read Analog  Output (0x4x)", "Read AO", "AO",
     "Register Address (4xxxx)", "Data Length (Words)", 55, kind_texts::kRegisterStart,
     kind_texts::kRegisterLength, "Error"},
}};

// The traits of a stored kind code; null for a code that names no kind.
constexpr const KindTraits* KindOf(int code) {
  return code >= 0 && code < static_cast<int>(kKinds.size()) ? &kKinds[code] : nullptr;
}

// What an object of `length` adds to the data of its direction: bytes for a digital kind,
// registers for an analog one.
constexpr long long DataUnits(const KindTraits& kind, long long length) {
  return kind.digital ? (length + 7) / 8 : length;
}

}  // namespace q4410
