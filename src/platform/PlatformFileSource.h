#pragma once
// The file source of the build: Windows calls on Windows, POSIX calls elsewhere.

#if defined(_WIN32)
#include "platform/WindowsFileSource.h"
#else
#include "platform/PosixFileSource.h"
#endif

namespace zandrel {

#if defined(_WIN32)
using PlatformFileSource = WindowsFileSource;
#else
using PlatformFileSource = PosixFileSource;
#endif

} // namespace zandrel
