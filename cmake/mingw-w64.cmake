# Cross-compiling Kestrova for 64-bit Windows with Debian's mingw-w64 (posix thread flavour).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KESTROVA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KESTROVA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTROVA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTROVA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KESTROVA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime: the programs import only system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Test programs run under Wine, in a prefix of the build tree's own (see wine-run.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wine)
