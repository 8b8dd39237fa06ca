#include "framework/number_value.h"

#include <charconv>
#include <cmath>
#include <string>

namespace textmill {

double number_value(std::string_view text) {
  std::string digits;  // the number as read, without the ignored characters
  bool any_digit = false;
  bool point = false;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\n') continue;
    if ((c == '+' || c == '-') && digits.empty()) {
      digits.push_back(c);
    } else if (c >= '0' && c <= '9') {
      digits.push_back(c);
      any_digit = true;
    } else if (c == '.' && !point) {
      digits.push_back(c);
      point = true;
    } else {
      break;
    }
  }
  if (!any_digit) return 0.0;
  // from_chars rather than strtod: correctly rounded and blind to the locale, which
  // the GUI toolkit sets from the environment.
  std::string_view number(digits);
  bool negative = number.front() == '-';
  if (number.front() == '+' || negative) number.remove_prefix(1);
  double value = 0.0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                   std::chars_format::fixed);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    // Too many digits for a double: as large as a double goes, or as small.
    value = number.find_first_not_of("0.") == std::string_view::npos
                ? 0.0
                : (number.find('.') < number.find_first_not_of("0.") ? 0.0 : HUGE_VAL);
  }
  return negative ? -value : value;
}

}  // namespace textmill
