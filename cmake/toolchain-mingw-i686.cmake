# 32-bit Windows programs from Linux, with mingw-w64 (posix threads, so that
# std::mutex and std::thread exist) and Wine to run the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(_triple i686-w64-mingw32)
find_program(CMAKE_C_COMPILER ${_triple}-gcc-posix)
find_program(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
find_program(CMAKE_RC_COMPILER ${_triple}-windres)
if(NOT CMAKE_C_COMPILER OR NOT CMAKE_CXX_COMPILER OR NOT CMAKE_RC_COMPILER)
  message(FATAL_ERROR "mingw-w64 for i686 not found: install g++-mingw-w64-i686-posix (scripts/test does)")
endif()

# The cross-built third-party libraries live in a cache prefix outside the
# tree, where scripts/build-thirdparty-win32 puts them.
if(NOT THIRDPARTY_WIN32_PREFIX)
  if(DEFINED ENV{CONVERTER_THIRDPARTY_CACHE})
    set(THIRDPARTY_WIN32_PREFIX "$ENV{CONVERTER_THIRDPARTY_CACHE}/win32")
  else()
    set(THIRDPARTY_WIN32_PREFIX "$ENV{HOME}/.cache/converter-thirdparty/win32")
  endif()
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${_triple} ${THIRDPARTY_WIN32_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No DLL beside the programs but the system's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-run)
