# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (POSIX threads
# flavour, which GoogleTest needs). Libraries are looked for only in the
# cross environment and in MOJIBAN_WINDOWS_PREFIX, where the Windows engine,
# FreeType and GoogleTest are installed, never among the host's.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MOJIBAN_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MOJIBAN_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MOJIBAN_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MOJIBAN_MINGW_TRIPLET}-windres)

if(NOT MOJIBAN_WINDOWS_PREFIX AND DEFINED ENV{MOJIBAN_WINDOWS_PREFIX})
    set(MOJIBAN_WINDOWS_PREFIX "$ENV{MOJIBAN_WINDOWS_PREFIX}")
endif()
# try_compile projects read this file again and need the prefix too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MOJIBAN_WINDOWS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${MOJIBAN_MINGW_TRIPLET} ${MOJIBAN_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs that run without the compiler's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Static zlib for FreeType and the engine (CMake's FindZLIB).
set(ZLIB_USE_STATIC_LIBS ON)
