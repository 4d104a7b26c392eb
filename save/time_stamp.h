#pragma once
// The text that names a saved picture: the local date and time written the Chinese way.

#include <cstdint>
#include <string>

namespace velmora {

struct DateTime {
  std::int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// GBK text such as 2010年9月23日14时5分9秒; trailing zero parts of the time of day are left out.
std::string DateTimeToText(const DateTime& value);

}  // namespace velmora
