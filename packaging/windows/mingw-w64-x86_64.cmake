# Cross-compiling for 64-bit Windows with Debian's mingw-w64. The -posix
# compilers are the ones whose libstdc++ has std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(NUMORA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NUMORA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NUMORA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${NUMORA_MINGW_TRIPLET}-windres)

# Headers and libraries come from the mingw sysroot and from the prefixes
# given on the command line (Qt for Windows, GoogleTest for Windows); programs
# such as moc come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${NUMORA_MINGW_TRIPLET} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
