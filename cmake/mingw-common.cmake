# Shared settings of the two MinGW-w64 cross toolchains (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${LENZOR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LENZOR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${LENZOR_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LENZOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Self-contained executables: no MinGW runtime DLLs to ship or to find under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
