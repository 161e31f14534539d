# Debian's hardening flags for an optimised Linux build, so that the program a package carries
# is built as Debian builds its own: fortified C library calls, stack protection, relocations
# made read-only and bound at start. dpkg-buildflags gives them with everything it offers
# (hardening=+all); the build type keeps its own optimisation and debugging flags. Builds
# without dpkg-buildflags, cross builds, and sanitizer and fuzzing builds are left as they are.
find_program(QUORVANE_DPKG_BUILDFLAGS dpkg-buildflags)
if(QUORVANE_DPKG_BUILDFLAGS AND NOT CMAKE_CROSSCOMPILING AND NOT QUORVANE_SANITIZE
   AND NOT QUORVANE_BUILD_FUZZ)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-all"
              "DEB_CXXFLAGS_MAINT_STRIP=-g -O2" ${QUORVANE_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(quorvane_${kind} UNIX_COMMAND "${flags}")
  endforeach()
  # _FORTIFY_SOURCE needs the optimiser: not in unoptimised builds.
  set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  add_compile_options("$<${optimised}:${quorvane_CPPFLAGS};${quorvane_CXXFLAGS}>")
  add_link_options("$<${optimised}:${quorvane_LDFLAGS}>")
endif()
