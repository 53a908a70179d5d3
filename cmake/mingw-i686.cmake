# Ornil.dll for 32-bit hosts.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ORNIL_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
