#pragma once
// The number value of a text, as every number typed into a box or a specification is
// read: blanks, tabs and line feeds anywhere are ignored; an optional sign, digits, an
// optional decimal point and fraction are read as far as they go; a text that does not
// begin with a number is worth 0 ("12abc" is 12, "abc" is 0, "1 2" is 12).

#include <string_view>

namespace textmill {

[[nodiscard]] double number_value(std::string_view text);

}  // namespace textmill
