# 32-bit Windows build with MinGW-w64. SSE2 math so that floating-point pixel
# formulas give the same bytes as the 64-bit and native builds (no x87 excess precision).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(LENZOR_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
