# 64-bit ARM Linux, as on a Raspberry Pi: char is unsigned and GCC fuses
# multiply-adds. Static, so qemu-aarch64 runs the programs with no ARM libraries.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
