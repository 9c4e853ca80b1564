#pragma once
// Runs quorbit-host.exe as a child process, the way a user runs it, and
// collects its exit code and both output streams byte for byte.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace zandrel::host::test {

struct HostRun {
    DWORD exitCode = 0;
    std::string out;
    std::string err;
};

// `whileRunning` runs on the calling thread after the child has started, with
// its process id; the streams are read meanwhile.
[[nodiscard]] HostRun RunHost(const std::vector<std::string>& args,
                              const std::function<void(DWORD processId)>& whileRunning = {});

// A path of the build machine as this program sees it ("/a/b" is "Z:\a\b").
[[nodiscard]] std::string WinePath(const std::string& unixPath);

[[nodiscard]] std::string SamplesDir();
[[nodiscard]] std::string ExpectedDir();

} // namespace zandrel::host::test
