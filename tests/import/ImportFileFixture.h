#pragma once
// Runs ImportDescription through the platform's file source against files in
// a fresh directory, with the line limit that a test sets (off by default).

#include <gtest/gtest.h>

#include <string>

#include "import/ImportDescription.h"
#include "import/ImportLimits.h"
#include "platform/PlatformFileSource.h"
#include "support/ScopedCodePage.h"
#include "support/TempDirectory.h"

namespace zandrel::test {

class ImportFileFixture : public ::testing::Test {
protected:
    static constexpr char Sentinel = '#';

    // Imports `content` from a file named `name`, the one name offered;
    // returns the description.
    std::string ImportFile(const std::string& content, const std::string& name = "README.TXT")
    {
        path_ = dir_.Write(name, content);
        return Run(name);
    }

    // Imports from path_, offered as `name`, into a host buffer of sentinels.
    std::string Run(const std::string& name = "README.TXT")
    {
        host_.assign(2 * NormalisedBufferSize, Sentinel);
        currentPath_ = path_.c_str();
        PlatformFileSource source;
        const std::string names = name + '\0'; // and the string's own zero closes the list
        ImportDescription(names.c_str(), host_.data(), &ResolveToCurrentPath, source, limit_);
        return std::string(host_.c_str());
    }

    [[nodiscard]] bool Untouched() const
    {
        return host_.find_first_not_of(Sentinel) == std::string::npos;
    }
    [[nodiscard]] bool NothingPastTheZero() const
    {
        const std::size_t zero = host_.find('\0');
        return zero != std::string::npos &&
               host_.find_first_not_of(Sentinel, zero + 1) == std::string::npos;
    }

    LineLimit limit_;
    ScopedCodePage codePage_; // single-byte unless a test installs another
    TempDirectory dir_;
    std::string path_;
    std::string host_;

private:
    static const char* ZANDREL_STDCALL ResolveToCurrentPath(const char*) { return currentPath_; }
    static inline const char* currentPath_ = nullptr;
};

} // namespace zandrel::test
