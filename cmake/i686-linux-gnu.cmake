# 32-bit x86 Linux. Doubles in SSE2 registers, as 32-bit MSVC keeps them, not
# in the x87's 80 bits. Static, so no 32-bit C library is needed to run the
# programs, and qemu-i386 runs them even where the kernel cannot.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386)
