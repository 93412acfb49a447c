# Cross-compiles Windows programs on Linux with MinGW-w64 (posix threads) and runs
# them through Wine. Included by a toolchain file that sets VENNICK_MINGW_TRIPLET and
# CMAKE_SYSTEM_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${VENNICK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VENNICK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VENNICK_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VENNICK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Self-contained programs: no libgcc, libstdc++ or winpthread DLLs to ship.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
