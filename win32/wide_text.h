#pragma once

#include <string>
#include <string_view>

// The form speaks UTF-8; Windows' W functions speak UTF-16.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);
