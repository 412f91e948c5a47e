#pragma once

#include <stdexcept>
#include <string>

// An error a handler raises; the window reports it in an error box and the
// game goes on.
class GameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text of the error box: the message, with a "." added when it ends in a
// character that sorts after "." (a letter, a digit, any Japanese character),
// and not after ".", "!", ")" or a blank.
std::string ErrorBoxText(const std::string& message);
