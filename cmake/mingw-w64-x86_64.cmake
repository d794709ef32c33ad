# Cross-compiles 64-bit Windows console programs with MinGW-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The C and C++ runtimes go into each .exe, so it runs on a bare Windows machine.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Wine runs them here, with address randomisation off: Wine must map a page at
# a fixed address, and a randomised heap there kills a program before it starts.
set(CMAKE_CROSSCOMPILING_EMULATOR setarch -R wine)
