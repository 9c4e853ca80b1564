#include "platform/CodePageFacts.h"

namespace zandrel {

// Stand-in for builds without Windows: a single-byte code page. Tests install
// a double-byte table with SetCodePageFacts.
void InitCodePageFacts() noexcept
{
    const unsigned char none[12] = {};
    SetCodePageFacts(false, none);
}

} // namespace zandrel
