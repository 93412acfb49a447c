# The 32-bit test programs that run beside the 64-bit program.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VENNICK_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
