#include "host/HostProcess.h"

#include <stdexcept>
#include <thread>

namespace zandrel::host::test {
namespace {

struct OwnedHandle {
    HANDLE handle = nullptr;
    OwnedHandle() = default;
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { Close(); }
    void Close()
    {
        if (handle != nullptr) {
            ::CloseHandle(handle);
            handle = nullptr;
        }
    }
};

// Reads what the host writes until it has ended and the pipe is drained: the
// read stops then, whatever other process may still hold the write end.
void ReadUntilExit(HANDLE pipe, HANDLE process, std::string& into)
{
    char buffer[4096];
    DWORD got = 0;
    for (;;) {
        const bool ended = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
        DWORD available = 0;
        if (!::PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) {
            // No writer is left: what remains is read to the pipe's end.
            while (::ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
                into.append(buffer, got);
            }
            return;
        }
        if (available > 0) {
            if (!::ReadFile(pipe, buffer, sizeof buffer, &got, nullptr)) {
                return;
            }
            into.append(buffer, got);
        } else if (ended) {
            return;
        } else {
            ::WaitForSingleObject(process, 10);
        }
    }
}

std::string Quoted(const std::string& arg)
{
    if (!arg.empty() && arg.find_first_of(" \t") == std::string::npos) {
        return arg;
    }
    std::string quoted(1, '"');
    quoted.append(arg).push_back('"');
    return quoted;
}

} // namespace

std::string WinePath(const std::string& unixPath)
{
    std::string path = unixPath;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path.rfind('\\', 0) == 0 ? "Z:" + path : path;
}

std::string SamplesDir()
{
    return WinePath(ZANDREL_SOURCE_DIR "/samples");
}
std::string ExpectedDir()
{
    return WinePath(ZANDREL_SOURCE_DIR "/samples-expected");
}

HostRun RunHost(const std::vector<std::string>& args,
                const std::function<void(DWORD processId)>& whileRunning)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    OwnedHandle outRead, outWrite, errRead, errWrite;
    if (!::CreatePipe(&outRead.handle, &outWrite.handle, &inherit, 0) ||
        !::CreatePipe(&errRead.handle, &errWrite.handle, &inherit, 0)) {
        throw std::runtime_error("CreatePipe failed");
    }
    ::SetHandleInformation(outRead.handle, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(errRead.handle, HANDLE_FLAG_INHERIT, 0);

    std::string commandLine = Quoted(WinePath(QUORBIT_HOST_EXE));
    for (const std::string& arg : args) {
        commandLine += ' ';
        commandLine += Quoted(arg);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = outWrite.handle;
    startup.hStdError = errWrite.handle;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                          nullptr, nullptr, &startup, &process)) {
        throw std::runtime_error("cannot start " + commandLine);
    }
    OwnedHandle processHandle, threadHandle;
    processHandle.handle = process.hProcess;
    threadHandle.handle = process.hThread;
    // Only the child may hold the write ends now, so the reads end when it does.
    outWrite.Close();
    errWrite.Close();

    HostRun run;
    std::thread errReader([&] { ReadUntilExit(errRead.handle, process.hProcess, run.err); });
    std::thread outReader([&] { ReadUntilExit(outRead.handle, process.hProcess, run.out); });
    if (whileRunning) {
        whileRunning(process.dwProcessId);
    }
    outReader.join();
    errReader.join();
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::GetExitCodeProcess(process.hProcess, &run.exitCode);
    return run;
}

} // namespace zandrel::host::test
