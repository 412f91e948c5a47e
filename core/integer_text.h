#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Reads a whole text as a signed 32-bit integer, the way the Friends Game
// reads its typed target: leading blanks (space characters only), an optional
// "+" or "-", then decimal digits, or a hexadecimal prefix ("$", "x", "X",
// "0x", "0X") and hexadecimal digits of either case, and nothing after them.
// A "-" negates either form.
//
// Both forms must fit a signed 32-bit integer once the sign is applied, so
// "-$80000000" reads as -2147483648 while "$80000000" and "$FFFFFFFF" fail,
// just as "2147483648" does. A hexadecimal text names a number, not a bit
// pattern: reading "$FFFFFFFF" as -1 would hand the game a number nobody
// typed.
//
// Anything else fails, the empty text included; so does every byte outside
// ASCII, full-width digits among them. Total on any input: it looks at each
// byte once and never holds more than a 64-bit value.
std::optional<std::int32_t> ParseInteger(std::string_view text);
