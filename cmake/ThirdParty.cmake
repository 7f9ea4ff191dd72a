# The codec, WAV, resampling and JPEG libraries: Debian's -dev packages for
# the native build, the static cross-built ones (scripts/build-thirdparty-win32)
# for Windows. Both are found through pkg-config as imported targets.
find_package(PkgConfig REQUIRED)

if(WIN32)
  if(NOT THIRDPARTY_WIN32_PREFIX OR NOT EXISTS "${THIRDPARTY_WIN32_PREFIX}/lib/pkgconfig")
    message(FATAL_ERROR "Cross-built libraries not found in '${THIRDPARTY_WIN32_PREFIX}': run scripts/build-thirdparty-win32")
  endif()
  set(ENV{PKG_CONFIG_LIBDIR} "${THIRDPARTY_WIN32_PREFIX}/lib/pkgconfig")
  set(ENV{PKG_CONFIG_PATH} "")
elseif(CODEC_NATIVE_PREFIX)
  # The AMR codec built with -O3 (scripts/build-codec-native), where it is;
  # otherwise Debian's.
  if(EXISTS "${CODEC_NATIVE_PREFIX}/lib/pkgconfig/opencore-amrnb.pc")
    set(ENV{PKG_CONFIG_PATH} "${CODEC_NATIVE_PREFIX}/lib/pkgconfig:$ENV{PKG_CONFIG_PATH}")
    message(STATUS "AMR codec: ${CODEC_NATIVE_PREFIX}")
  else()
    message(STATUS "AMR codec: Debian's (scripts/build-codec-native makes a faster one)")
  endif()
endif()

pkg_check_modules(AMRNB REQUIRED IMPORTED_TARGET opencore-amrnb)
pkg_check_modules(AMRWB REQUIRED IMPORTED_TARGET opencore-amrwb)
pkg_check_modules(SNDFILE REQUIRED IMPORTED_TARGET sndfile)
pkg_check_modules(SOXR REQUIRED IMPORTED_TARGET soxr)
pkg_check_modules(JPEG REQUIRED IMPORTED_TARGET libjpeg)
