// Reading text from system calls that copy it into the caller's buffer and cut
// it when it does not fit, without saying how long it is (GetModuleFileName,
// readlink).
#ifndef LEDGEWRIGHT_PLATFORM_GROWING_BUFFER_H
#define LEDGEWRIGHT_PLATFORM_GROWING_BUFFER_H

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

// Calls query(buffer, capacity) with a buffer that doubles, from firstCapacity
// up to maxCapacity characters, until the text leaves room to spare: only then
// is it certain that nothing was cut. query returns the number of characters
// copied (capacity or more when the text was cut) or a negative number on
// failure. False on failure or when even maxCapacity is too small.
template <class Char, class Query>
bool ReadWithGrowingBuffer(Query query, size_t firstCapacity, size_t maxCapacity, std::basic_string<Char>& text) {
    std::vector<Char> buffer(std::max<size_t>(firstCapacity, 1));
    for (;;) {
        const long long length = query(buffer.data(), buffer.size());
        if (length < 0) {
            return false;
        }
        if (static_cast<unsigned long long>(length) < buffer.size()) {
            text.assign(buffer.data(), static_cast<size_t>(length));
            return true;
        }
        if (buffer.size() >= maxCapacity) {
            return false;
        }
        buffer.resize(std::min(buffer.size() * 2, maxCapacity));
    }
}

#endif  // LEDGEWRIGHT_PLATFORM_GROWING_BUFFER_H
