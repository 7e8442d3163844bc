// Fixed texts of the lists the windows show and the viewers copy, blanks included.
#pragma once

#include <array>
#include <string_view>

namespace q4410 {

// Title of message boxes that name no title of their own.
inline constexpr std::string_view kDefaultMessageTitle = "Q-4410C Utility";

// Application object kinds: the code is the position in the editor's kind list.
inline constexpr std::array<std::string_view, 6> kKindEntries{
    "  Write Digital Output (0x1x)", "  Write Analog  Output (0x4x)",
    "  Read Digital Input  (0x0x)",  "  Read Analog  Input  (0x3x)",
    "  Read Digital Output (0x1x)",  "  Read Analog  Output (0x4x)"};
inline constexpr std::array<std::string_view, 6> kKindShortNames{"Write DO", "Write AO", "Read DI",
                                                                 "Read AI",  "Read DO",  "Read AO"};
inline constexpr std::array<std::string_view, 6> kKindAddressLabels{
    "Relay Address (1xxxx)",    "Register Address (4xxxx)", "Relay Address (0xxxx)",
    "Register Address (3xxxx)", "Relay Address (1xxxx)",    "Register Address (4xxxx)"};
inline constexpr std::array<std::string_view, 6> kKindLengthLabels{
    "Data Length (Bits)",  "Data Length (Words)", "Data Length (Bits)",
    "Data Length (Words)", "Data Length (Bits)",  "Data Length (Words)"};
inline constexpr bool IsDigitalKind(int kind) {
  return kind % 2 == 0;
}

// CAN baud lists; the code is the position in the list of the application.
inline constexpr std::array<std::string_view, 8> kCanopenBaudEntries{
    "         10    KBPS", "         20    KBPS", "         50    KBPS", "       125    KBPS",
    "       250    KBPS",  "       500    KBPS",  "       800    KBPS",  "     1000    KBPS"};
inline constexpr std::array<int, 8> kCanopenBaudKbps{10, 20, 50, 125, 250, 500, 800, 1000};
inline constexpr std::array<std::string_view, 3> kDevicenetBaudEntries{
    "       125    KBPS", "       250    KBPS", "       500    KBPS"};

// Modbus line lists of the COM view.
inline constexpr std::array<std::string_view, 8> kComBaudEntries{
    "            1200   BPS", "            2400   BPS", "            4800   BPS",
    "            9600   BPS", "          19200   BPS",  "          38400   BPS",
    "          57600   BPS",  "        115200   BPS"};
inline constexpr std::array<std::string_view, 1> kComDataBitEntries{"      8"};
inline constexpr std::array<std::string_view, 3> kComParityEntries{"  NONE", "  EVEN", "  ODD"};
inline constexpr std::array<std::string_view, 2> kComStopBitEntries{"      1", "      2"};

}  // namespace q4410
