# Hardening as Debian builds its packages: the flags dpkg-buildflags gives
# with every hardening feature on (fortify, stack protector, format checks,
# relro, bindnow; PIE is the compiler's default there). Only those: the
# optimisation and debug flags stay the build type's. Left out of the
# sanitizer and fuzz builds, whose instrumentation checks more.
option(PELU_HAERTUNG "Build with Debian's hardening flags (from dpkg-buildflags)" ON)
if(NOT PELU_HAERTUNG OR PELU_SANITIZE OR PELU_FUZZ)
  return()
endif()
find_program(PELU_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT PELU_DPKG_BUILDFLAGS)
  message(STATUS "dpkg-buildflags not found (dpkg-dev): building without hardening flags")
  return()
endif()

# The flags of kind `art` (CPPFLAGS, CXXFLAGS, LDFLAGS) matching `muster`.
function(pelu_haertung art muster ergebnis)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${PELU_DPKG_BUILDFLAGS} --get ${art}
    OUTPUT_VARIABLE text OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(alle UNIX_COMMAND "${text}")
  list(FILTER alle INCLUDE REGEX "${muster}")
  set(${ergebnis} ${alle} PARENT_SCOPE)
endfunction()

pelu_haertung(CPPFLAGS "^-D_FORTIFY_SOURCE" PELU_FORTIFY)
pelu_haertung(CXXFLAGS "^-(fstack-protector|fstack-clash-protection|fcf-protection|Wformat|Werror=format-security)" PELU_SCHUTZ)
pelu_haertung(LDFLAGS "^-Wl,-z," PELU_BINDEN)
message(STATUS "Hardening: ${PELU_FORTIFY} ${PELU_SCHUTZ} ${PELU_BINDEN}")
# Fortify needs the optimiser; a Debug build would only warn.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${PELU_FORTIFY}>" ${PELU_SCHUTZ})
add_link_options(${PELU_BINDEN})
