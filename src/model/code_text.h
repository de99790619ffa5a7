// How a character code is written wherever the program shows one, always
// after a "$": upper-case hexadecimal without leading zeros, then the decimal
// value in parentheses. -1 (no character) shows as sixteen F digits.
#pragma once

#include <cstdint>
#include <string>

namespace pw {

std::string codeText(std::int64_t n);

// A label such as "Char: $" followed by codeText (n).
std::string codeText(const char* label, std::int64_t n);

}  // namespace pw
