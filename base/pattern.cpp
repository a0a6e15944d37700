#include "base/pattern.h"

std::optional<Pattern> PatternOfKeyword(const ZedString& keyword) {
    for (Pattern pattern : kAllPatterns) {
        if (keyword == PatternKeyword(pattern)) {
            return pattern;
        }
    }
    return std::nullopt;
}
