// The built-in Atari character set, in the 1024-byte packed layout of a font file.
#pragma once

#include <array>
#include <cstdint>

namespace pw {

extern const std::array<std::uint8_t, 1024> DefaultAtariFont;

}  // namespace pw
