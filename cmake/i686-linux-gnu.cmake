# 32-bit x86 Linux with the data model of 32-bit MSVC where GCC can give it:
# 32-bit long and std::streamsize, SSE2 doubles, long double no wider than a
# double. Static, so no 32-bit C library is needed to run the programs.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mlong-double-64")
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
