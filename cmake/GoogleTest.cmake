# GoogleTest, built from source with the project's own compiler and flags: Debian's
# sources when present (the googletest package), otherwise downloaded (Windows).
set(VENNICK_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources; downloaded when absent")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)

if(EXISTS "${VENNICK_GTEST_SOURCE_DIR}/CMakeLists.txt")
  add_subdirectory("${VENNICK_GTEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
else()
  include(FetchContent)
  FetchContent_Declare(googletest
    URL https://github.com/google/googletest/archive/refs/tags/v1.14.0.zip
    DOWNLOAD_EXTRACT_TIMESTAMP TRUE)
  FetchContent_MakeAvailable(googletest)
endif()
include(GoogleTest)
