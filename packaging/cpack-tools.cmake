# SPDX-FileCopyrightText: 2026 Tavola developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Read by cpack before it installs anything. Without dpkg-shlibdeps CPack would make a package
# that names none of the libraries the game links, and without file it stops with a bare
# error: stop here instead, naming the Debian packages to install. Only PATH counts, since
# dpkg-shlibdeps finds dpkg there.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(wanted_tools dpkg-shlibdeps file)
    set(their_packages dpkg-dev file)
    set(tools)
    set(packages)
    foreach(tool package IN ZIP_LISTS wanted_tools their_packages)
        find_program(TAVOLA_FOUND_${tool} ${tool} PATHS ENV PATH NO_DEFAULT_PATH)
        if(NOT TAVOLA_FOUND_${tool})
            list(APPEND tools ${tool})
            list(APPEND packages ${package})
        endif()
    endforeach()
    if(packages)
        list(JOIN tools " and " tools)
        list(JOIN packages " " packages)
        message(FATAL_ERROR "The Debian package needs ${tools} on PATH. Install the missing "
            "Debian packages with 'apt-get install ${packages}', or run 'bash scripts/package', "
            "which installs them.")
    endif()
endif()
