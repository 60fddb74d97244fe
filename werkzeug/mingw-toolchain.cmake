# Cross build for 64-bit Windows with Debian's MinGW-w64 (POSIX threads, so
# std::thread and std::mutex work). Used for Qt's kit and for the program:
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=werkzeug/mingw-toolchain.cmake
# The Qt kit from werkzeug/qt-mingw.sh is found through DKM_QT_MINGW.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DKM_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DKM_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DKM_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${DKM_MINGW_TRIPLET}-windres)

# Headers, libraries and CMake packages come from the Windows side only;
# programs (moc, rcc, uic) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${DKM_MINGW_TRIPLET})
if(NOT DEFINED DKM_QT_MINGW)
  if(DEFINED ENV{DKM_QT_MINGW})
    set(DKM_QT_MINGW "$ENV{DKM_QT_MINGW}")
  else()
    set(DKM_QT_MINGW "$ENV{HOME}/.cache/dachkandelmesser/qt-6.4.2-mingw")
  endif()
endif()
if(EXISTS "${DKM_QT_MINGW}/lib/cmake/Qt6")
  list(APPEND CMAKE_FIND_ROOT_PATH "${DKM_QT_MINGW}")
  # Qt's tools run on the host: the same version from Debian's qt6-base-dev-tools.
  set(QT_HOST_PATH /usr CACHE PATH "")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
endif()
# libzip from werkzeug/libzip-mingw.sh, found by pkg-config like on Linux; pkg-config must
# never hand out the host's libraries.
if(NOT DEFINED DKM_LIBZIP_MINGW)
  if(DEFINED ENV{DKM_LIBZIP_MINGW})
    set(DKM_LIBZIP_MINGW "$ENV{DKM_LIBZIP_MINGW}")
  else()
    set(DKM_LIBZIP_MINGW "$ENV{HOME}/.cache/dachkandelmesser/libzip-mingw")
  endif()
endif()
list(APPEND CMAKE_FIND_ROOT_PATH "${DKM_LIBZIP_MINGW}")
set(ENV{PKG_CONFIG_LIBDIR} "${DKM_LIBZIP_MINGW}/lib/pkgconfig:/usr/${DKM_MINGW_TRIPLET}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# try_compile projects see the same settings.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES DKM_QT_MINGW DKM_LIBZIP_MINGW)
