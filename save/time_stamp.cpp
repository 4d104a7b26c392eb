#include "save/time_stamp.h"

namespace velmora {

namespace {

// The unit characters in GBK.
constexpr const char* kYear = "\xC4\xEA";    // 年
constexpr const char* kMonth = "\xD4\xC2";   // 月
constexpr const char* kDay = "\xC8\xD5";     // 日
constexpr const char* kHour = "\xCA\xB1";    // 时
constexpr const char* kMinute = "\xB7\xD6";  // 分
constexpr const char* kSecond = "\xC3\xEB";  // 秒

void Append(std::string& out, std::int32_t number, const char* unit) {
  out += std::to_string(number);
  out += unit;
}

}  // namespace

std::string DateTimeToText(const DateTime& value) {
  std::string out;
  Append(out, value.year, kYear);
  Append(out, value.month, kMonth);
  Append(out, value.day, kDay);
  // The time of day stops at its last part that is not zero.
  if (value.second != 0) {
    Append(out, value.hour, kHour);
    Append(out, value.minute, kMinute);
    Append(out, value.second, kSecond);
  } else if (value.minute != 0) {
    Append(out, value.hour, kHour);
    Append(out, value.minute, kMinute);
  } else if (value.hour != 0) {
    Append(out, value.hour, kHour);
  }
  return out;
}

}  // namespace velmora
