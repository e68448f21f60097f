#include <cstddef>
#include <cstdint>
#include <string>

#include "echoscan/core/fragment_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "testing/literal/fragment_search.h"

// Runs the fast recurring-fragment search of Echoscan and the literal procedure on
// the same small text (raw, or prepared as a fragment text) over a drawn range of
// lengths, perhaps stopped at a drawn stop point; any difference in the fragments,
// the progress values or the stop points passed ends the run.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace undertext;
    fuzz::FuzzInput input(data, size);
    const auto language = input.language();
    const bool prepare = input.flag();
    const int minLength = input.number(1, 50);
    const int maxLength = input.number(minLength, 72);
    const long stopAt = input.flag() ? input.number<long>(1, 400) : 0;
    auto text = input.text(48, language);
    if (prepare) {
        text = echoscan::prepareFragmentText(text, language);
    }
    fuzz::check(testing::fastSearchSeen(text, minLength, maxLength, stopAt) ==
                    testing::literalSearchSeen(text, minLength, maxLength, stopAt),
                "the recurring fragments, progress values and stop points");
    return 0;
}
