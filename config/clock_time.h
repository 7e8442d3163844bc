// Local date and time of day, read once where a time stamp is needed.
#pragma once

namespace q4410 {

struct LocalTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;
  int hour = 0;  // 0..23
  int minute = 0;
  int second = 0;
};

LocalTime NowLocal();

}  // namespace q4410
