// The check of a typed value: any text is read without harm, and a text it
// takes gives a number (finite unless its digits overflow).
#include <cmath>

#include "command/typed_number.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ZedString text = fuzz::Units(data, size);
    double value = 0.0;
    if (ReadTypedNumber(text, value)) {
        fuzz::Require(!std::isnan(value), "a number taken is not NaN");
    }
    return 0;
}
