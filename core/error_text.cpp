#include "core/error_text.h"

std::string ErrorBoxText(const std::string& message)
{
    // Compared as unsigned bytes: every byte of a multi-byte UTF-8 character
    // is above ".", as the last character of a Japanese message should be.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}
