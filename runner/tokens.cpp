#include "runner/tokens.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace runner {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool Tokenize(std::string_view line, std::vector<Token>& tokens, std::string& problem) {
    tokens.clear();
    size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#') {
            break;
        }
        Token token;
        if (line[i] == '"') {
            token.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\') {
                    if (i >= line.size() || (line[i] != '"' && line[i] != '\\')) {
                        problem = "unknown escape in quoted text (use \\\" or \\\\)";
                        return false;
                    }
                    token.text += line[i++];
                    continue;
                }
                token.text += c;
            }
            if (!closed) {
                problem = "quoted text has no closing quote";
                return false;
            }
            if (i < line.size() && !IsBlank(line[i]) && line[i] != '#') {
                problem = "expected a blank after the closing quote";
                return false;
            }
        } else {
            while (i < line.size() && !IsBlank(line[i]) && line[i] != '#') {
                token.text += line[i++];
            }
        }
        tokens.push_back(std::move(token));
    }
    return true;
}

std::optional<double> ParseNumber(std::string_view word) {
    if (word.empty()) {
        return std::nullopt;
    }
    // from_chars takes no leading '+'; allow it, as people write "+5".
    if (word.front() == '+') {
        word.remove_prefix(1);
        if (word.empty() || word.front() == '-' || word.front() == '+') {
            return std::nullopt;
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseInteger(std::string_view word) {
    if (!word.empty() && word.front() == '+') {
        word.remove_prefix(1);
        if (word.empty() || word.front() == '-') {
            return std::nullopt;
        }
    }
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const bool lastWithoutNewline = end == std::string_view::npos;
        if (lastWithoutNewline) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string FormatNumber(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    if (text == "-0") {
        text = "0";
    }
    return text;
}

}  // namespace runner
