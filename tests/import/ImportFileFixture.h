#pragma once
// Runs ImportDescription through the platform's file source against files in
// a fresh directory, with the line limit that a test sets (off by default).

#include <gtest/gtest.h>

#include <string>

#include "import/ImportDescription.h"
#include "import/ImportLimits.h"
#include "platform/PlatformFileSource.h"
#include "support/HostBuffer.h"
#include "support/PathCallback.h"
#include "support/ScopedCodePage.h"
#include "support/TempDirectory.h"

namespace zandrel::test {

class ImportFileFixture : public ::testing::Test {
protected:
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
        host_.Refill();
        PathCallback::Answer(path_);
        PlatformFileSource source;
        const std::string names = name + '\0'; // and the string's own zero closes the list
        ImportDescription(names.c_str(), host_.data(), &PathCallback::Resolve, source, limit_);
        return host_.Text();
    }

    LineLimit limit_;
    ScopedCodePage codePage_; // single-byte unless a test installs another
    TempDirectory dir_;
    std::string path_;
    HostBuffer host_;
};

} // namespace zandrel::test
