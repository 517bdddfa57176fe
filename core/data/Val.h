#pragma once
#include <string_view>

namespace pelu {

// The number at the start of a text, as the run-time library's Val reads
// it: blanks, tabs and line ends anywhere are ignored; an optional sign,
// digits, a decimal point with digits and an exponent (E or D), or the
// prefixes &H (hexadecimal) and &O (octal); reading stops at the first
// character that cannot continue the number. A text that does not begin
// with a number gives 0. Far too large numbers give an infinity, never
// undefined behaviour.
double Val(std::string_view text);

} // namespace pelu
