# The 64-bit build of the same sources; its executables run here under Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# wine64 through a wrapper that falls back on the build's own Wine prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${CMAKE_CURRENT_LIST_DIR}/wine-emulator.sh ${CMAKE_BINARY_DIR}/wineprefix)
