# The hardening Debian gives its own packages: fortified libc calls, stack protector, full
# RELRO and immediate binding (PIE is the compiler's default there). The flags come from
# dpkg-buildflags where it is installed, so they follow the system's policy.
option(KABROLUX_HAERTUNG "Build with Debian's hardening flags" ON)
# The sanitizers check more than the fortified calls, and those would hide calls from them.
if(NOT KABROLUX_HAERTUNG OR KABROLUX_FUZZ)
    return()
endif()

find_program(KABROLUX_DPKG_BUILDFLAGS dpkg-buildflags)
if(KABROLUX_DPKG_BUILDFLAGS)
    foreach(art CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${KABROLUX_DPKG_BUILDFLAGS} --get ${art}
            OUTPUT_VARIABLE flaggen OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(haertung_${art} UNIX_COMMAND "${flaggen}")
    endforeach()
else()
    set(haertung_CPPFLAGS -D_FORTIFY_SOURCE=2)
    set(haertung_CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security)
    set(haertung_LDFLAGS -Wl,-z,relro -Wl,-z,now)
endif()

# Optimisation and debug info stay with the build type; a rewritten source path would keep a
# debugger from finding the sources of one's own build.
list(FILTER haertung_CXXFLAGS EXCLUDE REGEX "^-(g[0-9]*|O.*|f(file|debug|macro)-prefix-map=.*)$")
foreach(flagge IN LISTS haertung_CPPFLAGS haertung_CXXFLAGS)
    # glibc warns about fortification without optimisation.
    if(flagge MATCHES "^-D_FORTIFY_SOURCE")
        add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${flagge}>")
    else()
        add_compile_options(${flagge})
    endif()
endforeach()
add_link_options(${haertung_LDFLAGS})
list(JOIN haertung_CPPFLAGS " " c)
list(JOIN haertung_CXXFLAGS " " x)
list(JOIN haertung_LDFLAGS " " l)
message(STATUS "Hardening: ${c} ${x} ${l}")
