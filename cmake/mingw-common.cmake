# Shared by both MinGW-w64 toolchain files. MINGW_TRIPLE is set by the includer.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model: GoogleTest needs std::mutex, which the win32 model lacks. Its
# winpthread runtime is linked in statically like the rest (see below).
set(CMAKE_C_COMPILER   ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The program must run on a bare Windows: no MinGW runtime DLL may be needed beside it,
# so libgcc, libstdc++ and winpthread are linked in statically.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
