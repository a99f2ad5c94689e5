# FOLIO_HARDENING: the compiler and linker flags Debian builds its packages
# with, from dpkg-buildflags with every hardening feature on (stack
# protector, _FORTIFY_SOURCE, format checks, PIE, read-only relocations and
# immediate binding). The package build turns it on; the ordinary build keeps
# its own flags.
option(FOLIO_HARDENING "Build with the hardening flags of dpkg-buildflags" OFF)
if(FOLIO_HARDENING)
  find_program(FOLIO_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
  function(folio_buildflag out name)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${FOLIO_DPKG_BUILDFLAGS} --get ${name}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(${out} "${flags}" PARENT_SCOPE)
  endfunction()
  folio_buildflag(folio_cppflags CPPFLAGS)
  folio_buildflag(folio_cflags CFLAGS)
  folio_buildflag(folio_cxxflags CXXFLAGS)
  folio_buildflag(folio_ldflags LDFLAGS)
  string(APPEND CMAKE_C_FLAGS " ${folio_cppflags} ${folio_cflags}")
  string(APPEND CMAKE_CXX_FLAGS " ${folio_cppflags} ${folio_cxxflags}")
  string(APPEND CMAKE_EXE_LINKER_FLAGS " ${folio_ldflags}")
  string(APPEND CMAKE_SHARED_LINKER_FLAGS " ${folio_ldflags}")
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  include(CheckPIESupported)
  check_pie_supported()
endif()
