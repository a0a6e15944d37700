#include "base/split_text.h"

int SplitText(ZedChar separator, const ZedString& text, std::vector<ZedString>& list) {
    list.clear();
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(separator, start);
        if (end == ZedString::npos) {
            end = text.size();
        }
        if (end > start) {
            list.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return static_cast<int>(list.size());
}
