# mingw-w64 cross compilers; the including file sets SETUP_MINGW_ARCH (i686 or x86_64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${SETUP_MINGW_ARCH})
set(TOOLCHAIN_PREFIX ${SETUP_MINGW_ARCH}-w64-mingw32)
# posix: googletest needs std::mutex, which the win32 thread model lacks.
# win32: the shipping program, smaller without the pthread layer.
if(NOT SETUP_MINGW_THREADS)
  set(SETUP_MINGW_THREADS posix)
endif()
set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-${SETUP_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-${SETUP_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
