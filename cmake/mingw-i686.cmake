# The shipping 32-bit build. Compiled and inspected here, never run (this kernel runs no 32-bit code).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
