# SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FENDRO_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FENDRO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FENDRO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${FENDRO_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${FENDRO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own runtime goes into the programs, so they run without its DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(FENDRO_WINE NAMES wine64 wine)
if(FENDRO_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${FENDRO_WINE})
endif()
