#include "SystemCharset.h"

#include <windows.h>

namespace zandrel::host {
namespace {

NameCharset BuildSystemCharset()
{
    NameCharset charset = NameCharset::Ascii();
    CPINFO info{};
    if (::GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1) {
        for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
            for (unsigned byte = info.LeadByte[i]; byte <= info.LeadByte[i + 1]; ++byte) {
                charset.leadByte[byte] = true;
            }
        }
    }
    for (unsigned byte = 0x80; byte < 0x100; ++byte) {
        if (!charset.leadByte[byte]) {
            char text[2] = {static_cast<char>(byte), '\0'};
            ::CharUpperBuffA(text, 1);
            charset.upper[byte] = static_cast<unsigned char>(text[0]);
        }
    }
    return charset;
}

} // namespace

const NameCharset& SystemCharset()
{
    static const NameCharset charset = BuildSystemCharset();
    return charset;
}

} // namespace zandrel::host
