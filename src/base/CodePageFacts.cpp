#include "base/StepChar.h"

namespace zandrel {

bool DbcsEnabled = false;
std::array<bool, 256> LeadByteSet{};

void SetCodePageFacts(bool dbcsEnabled, const unsigned char (&leadByteRanges)[12]) noexcept
{
    DbcsEnabled = dbcsEnabled;
    LeadByteSet.fill(false);
    if (!dbcsEnabled) {
        return;
    }
    for (int pair = 0; pair < 6; ++pair) {
        const unsigned low = leadByteRanges[2 * pair];
        const unsigned high = leadByteRanges[2 * pair + 1];
        if (low == 0 && high == 0) {
            break;
        }
        for (unsigned byte = low; byte <= high; ++byte) {
            LeadByteSet[byte] = true;
        }
    }
}

} // namespace zandrel
