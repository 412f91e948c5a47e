#pragma once

#include <stdexcept>
#include <string>

// An error a handler raises; the window reports it in an error box and the
// game goes on.
class GameError : public std::runtime_error {
public:
    explicit GameError(const std::string& message) : std::runtime_error(message), message_(message) {}
    // The whole message, even where the text a player's box held carries a
    // NUL that what() would stop at.
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

// The text of the error box: the message, with a "." added when it ends in a
// character that sorts after "." (a letter, a digit, any Japanese character),
// and not after ".", "!", ")" or a blank.
std::string ErrorBoxText(const std::string& message);
