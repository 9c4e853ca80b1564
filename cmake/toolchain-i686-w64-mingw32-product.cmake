# The product's compilers: i686-w64-mingw32 with the Windows thread model. Their
# runtime uses the Windows synchronisation calls directly, so what ships links
# no thread library (the posix-thread compilers bring winpthread into every
# program, and with it thread control and a process-wide exception handler).
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-i686-w64-mingw32.cmake)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
