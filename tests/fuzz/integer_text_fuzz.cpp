#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "core/integer_text.h"

// Checks the target reader against a second reading of the same rules,
// written the plain way: cut the text into blanks, sign, prefix and digits
// with string operations, and let the standard library do the arithmetic.

namespace {

std::optional<std::int32_t> Model(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    text.remove_prefix(first == std::string_view::npos ? text.size() : first);

    bool negative = false;
    if (text.starts_with('+') || text.starts_with('-')) {
        negative = text.starts_with('-');
        text.remove_prefix(1);
    }

    int base = 10;
    std::string_view digits = "0123456789";
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        base = 16;
        text.remove_prefix(1);
    }
    if (base == 16)
        digits = "0123456789abcdefABCDEF";

    if (text.empty() || text.find_first_not_of(digits) != std::string_view::npos)
        return std::nullopt;

    // Leading zeros add nothing; twelve digits more are far beyond 32 bits
    // in either base and still well inside 64.
    const std::size_t significant = text.find_first_not_of('0');
    text.remove_prefix(significant == std::string_view::npos ? text.size() - 1 : significant);
    if (text.size() > 12)
        return std::nullopt;

    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> read = ParseInteger(text);
    const std::optional<std::int32_t> expected = Model(text);
    if (read != expected) {
        std::fprintf(stderr, "ParseInteger read %s%d, the plain reading gives %s%d\n", read ? "" : "failure ",
                     read.value_or(0), expected ? "" : "failure ", expected.value_or(0));
        std::abort();
    }
    return 0;
}
