// Fixed texts of the lists the windows show and the viewers copy, blanks included.
#pragma once

#include <array>
#include <string_view>

namespace q4410 {

// Title of message boxes that name no title of their own.
inline constexpr std::string_view kDefaultMessageTitle = "Q-4410C Utility";

// CAN baud lists; the code is the position in the list of the application. The lists are the
// one place that names the rates: the rate of a code is the numeric value of its entry.
inline constexpr std::array<std::string_view, 8> kCanopenBaudEntries{
    "         10    KBPS", "         20    KBPS", "         50    KBPS", "       125    KBPS",
    "       250    KBPS",  "       500    KBPS",  "       800    KBPS",  "     1000    KBPS"};
inline constexpr std::array<std::string_view, 3> kDevicenetBaudEntries{
    "       125    KBPS", "       250    KBPS", "       500    KBPS"};

// Modbus line lists of the COM view; the baud rate of a code is the numeric value of its entry.
inline constexpr std::array<std::string_view, 8> kComBaudEntries{
    "            1200   BPS", "            2400   BPS", "            4800   BPS",
    "            9600   BPS", "          19200   BPS",  "          38400   BPS",
    "          57600   BPS",  "        115200   BPS"};
inline constexpr std::array<std::string_view, 1> kComDataBitEntries{"      8"};
inline constexpr std::array<std::string_view, 3> kComParityEntries{"  NONE", "  EVEN", "  ODD"};
inline constexpr std::array<std::string_view, 2> kComStopBitEntries{"      1", "      2"};

}  // namespace q4410
