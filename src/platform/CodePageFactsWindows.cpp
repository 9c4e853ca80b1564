#include <windows.h>

#include "platform/CodePageFacts.h"

namespace zandrel {

void InitCodePageFacts() noexcept
{
    const bool dbcs = ::GetSystemMetrics(SM_DBCSENABLED) != 0;
    unsigned char ranges[12] = {};
    CPINFO info{};
    // A failed GetCPInfo leaves no ranges: every byte is then a character of its own.
    if (dbcs && ::GetCPInfo(CP_ACP, &info)) {
        static_assert(sizeof(info.LeadByte) == sizeof(ranges));
        for (int i = 0; i < 12; ++i) {
            ranges[i] = info.LeadByte[i];
        }
    }
    SetCodePageFacts(dbcs, ranges);
}

} // namespace zandrel
