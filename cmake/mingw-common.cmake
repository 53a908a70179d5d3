# Cross build for Windows with Debian's MinGW-w64 (posix threads); the flavour's file names the
# processor and the compilers' triplet before including this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${ORNIL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORNIL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ORNIL_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ORNIL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
