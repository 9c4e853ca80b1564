#include "plugin/JoinMaskList.h"

namespace zandrel {

std::string JoinMaskList(const TStringList& masks)
{
    std::string joined;
    for (const std::string& mask : masks) {
        joined += mask;
        joined += ';';
    }
    if (!joined.empty()) {
        joined.pop_back();
    }
    return joined;
}

} // namespace zandrel
