# Cross build for 64-bit Windows with mingw-w64 (the posix thread model), as
# one static, self-contained executable per program. The test executables run
# under wine when it is installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELKARIN_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELKARIN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELKARIN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELKARIN_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELKARIN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# GoogleTest is not packaged for the target: tests/ builds it from these sources.
set(VELKARIN_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")

find_program(VELKARIN_WINE wine)
if(VELKARIN_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELKARIN_WINE})
endif()

# The build machine's header-only JSON package serves the target too, from a
# prefix of its own that holds only its headers and its CMake files: the
# package names its include directory relative to those files, and the host's
# /usr/include must stay out of the cross build.
set(VELKARIN_HOST_PREFIX ${CMAKE_BINARY_DIR}/host-header-packages)
if(EXISTS /usr/include/nlohmann AND EXISTS /usr/share/cmake/nlohmann_json
   AND NOT EXISTS ${VELKARIN_HOST_PREFIX}/include/nlohmann)
  file(MAKE_DIRECTORY ${VELKARIN_HOST_PREFIX}/include ${VELKARIN_HOST_PREFIX}/share/cmake)
  file(CREATE_LINK /usr/include/nlohmann ${VELKARIN_HOST_PREFIX}/include/nlohmann SYMBOLIC)
  file(CREATE_LINK /usr/share/cmake/nlohmann_json ${VELKARIN_HOST_PREFIX}/share/cmake/nlohmann_json
       SYMBOLIC)
endif()
set(nlohmann_json_DIR ${VELKARIN_HOST_PREFIX}/share/cmake/nlohmann_json CACHE PATH "")
