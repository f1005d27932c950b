# SPDX-FileCopyrightText: 2026 Tavola developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Debian builds what it ships with the flags dpkg-buildflags gives: a stack protector, checked
# string and memory functions, and relocations made read-only and bound at start-up. The
# package build asks for them; a developer's build stays as it is.
option(TAVOLA_DEBIAN_HARDENING
    "Compile and link with Debian's hardening flags (dpkg-buildflags)" OFF)
if(NOT TAVOLA_DEBIAN_HARDENING)
    return()
endif()
find_program(TAVOLA_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT TAVOLA_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "TAVOLA_DEBIAN_HARDENING needs dpkg-buildflags, from Debian's dpkg-dev: "
        "apt-get install dpkg-dev")
endif()
# Run from the source folder, its -ffile-prefix-map keeps the build's own path out of the binary.
set(tavola_shown)
foreach(kind IN ITEMS CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${TAVOLA_DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE tavola_flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(APPEND tavola_shown " ${kind}=\"${tavola_flags}\"")
    separate_arguments(TAVOLA_DEBIAN_${kind} UNIX_COMMAND "${tavola_flags}")
endforeach()
message(STATUS "Debian's hardening flags:${tavola_shown}")
add_compile_options(${TAVOLA_DEBIAN_CPPFLAGS} ${TAVOLA_DEBIAN_CXXFLAGS})
add_link_options(${TAVOLA_DEBIAN_LDFLAGS})
