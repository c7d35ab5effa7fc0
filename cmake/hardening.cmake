# Debian's hardening for everything the normal build compiles and links, as
# dpkg-buildflags gives it: fortified functions, the stack protector, format
# checks, read-only relocations bound at start. Its -g, -O2 and file prefix
# map are left out, so that the build type alone decides those. The
# sanitizer build goes without: its runtime replaces what fortify checks.
if(NOT VELDOR_SANITIZE)
  find_program(VELDOR_DPKG_BUILDFLAGS dpkg-buildflags)
  if(VELDOR_DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${VELDOR_DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
      separate_arguments(flags UNIX_COMMAND "${flags}")
      list(FILTER flags EXCLUDE REGEX "^(-g|-O.*|-ffile-prefix-map=.*|-fdebug-prefix-map=.*)$")
      if(kind STREQUAL LDFLAGS)
        add_link_options(${flags})
      else()
        # Fortify needs the optimiser; a Debug build would only warn.
        add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${flags}>")
      endif()
    endforeach()
  endif()
endif()
