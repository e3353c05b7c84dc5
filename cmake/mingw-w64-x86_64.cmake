# Cross-builds the Windows executable with Debian's mingw-w64 (POSIX
# threads) and runs what it builds under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZOR_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZOR_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZOR_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZOR_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZOR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No DLLs of the compiler's own beside the executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(ZOR_WINE NAMES wine wine64)
if(ZOR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZOR_WINE})
endif()
