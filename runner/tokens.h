// Splitting a line of the runner's text formats into words, and reading numbers.
//
// Words are separated by blanks or tabs. A word in double quotes may hold
// blanks; inside it \" is a quote and \\ a backslash. An unquoted # starts a
// comment that runs to the end of the line.
#ifndef LEDGEWRIGHT_RUNNER_TOKENS_H
#define LEDGEWRIGHT_RUNNER_TOKENS_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace runner {

struct Token {
    std::string text;
    bool quoted = false;
};

// The words of a line; false with a description in `problem` for an
// unterminated quote or a bad escape.
bool Tokenize(std::string_view line, std::vector<Token>& tokens, std::string& problem);

// A finite decimal number (as "12", "-3.5", "1e3"), nothing else in the word.
std::optional<double> ParseNumber(std::string_view word);
// A decimal integer that fits in 32 bits, nothing else in the word.
std::optional<int> ParseInteger(std::string_view word);

// Splits a text into lines at "\n", dropping a "\r" before it (files written on
// Windows); a last line without "\n" counts.
std::vector<std::string> SplitLines(std::string_view text);

// A number in the short form used in transcripts and pictures: at most
// `decimals` decimals, trailing zeros and a trailing point dropped, never "-0".
std::string FormatNumber(double value, int decimals = 3);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_TOKENS_H
