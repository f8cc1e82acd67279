# SPDX-License-Identifier: GPL-2.0-or-later
# The Debian package, built by CPack from what `cmake --install` puts in place:
#
#   cmake --build build --target package      (or: make package)
#
# gives build/slovnik_<version>_<arch>.deb, which `apt install ./slovnik_*.deb` installs on Debian
# 12 with everything it needs. dpkg-shlibdeps (dpkg-dev) works out the libraries' packages; it
# reads each ELF file's type with `file`.

include(GNUInstallDirs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME slovnik)
set(CPACK_PACKAGE_VENDOR "slovnik developers")
set(CPACK_PACKAGE_CONTACT "slovnik developers <slovnik-app@users.noreply.github.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "English-Czech and Czech-English dictionary with a translator")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/slovnik-app/slovnik")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX ${SLOVNIK_PACKAGE_PREFIX})
# Only what the program needs at run time; the tests' and tools' files are not installed anyway.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Anglicko - český slovník: a desktop English-Czech and Czech-English dictionary
with a word-by-word translator, for learners of English.
.
Every letter typed lists the words that begin with it, with their translations;
English words in their regular inflected forms are also found under their base
form. Chosen words go into a history and a word list. The translator splits a
short text into words, offers the dictionary's meanings for each, and joins the
chosen ones into a sentence. The command-line tool slovnik-cli gives the same
look-ups, suggestions, translations and voice to scripts.
.
The word list of some 27,000 pairs is derived from the FreeDict English-Czech
dictionary (GPL-2+).")
# The libraries' packages come from dpkg-shlibdeps. Qt finds its windowing plugins in
# qt6-qpa-plugins, which libqt6gui6 only recommends; the windows are laid out for Arial's
# metrics, which Liberation Sans has. The English voice is loaded by name when a word is first
# read aloud, so no linked library names its package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, libflite1")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# The program's own module library is in the package; dpkg-shlibdeps must find it there
# rather than look for a package that provides it.
# CPack reads its settings unevaluated, so the folder is spelled out: the one the library is
# built in.
get_target_property(morvella_build_dir morvella BINARY_DIR)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${morvella_build_dir})

# The package's changelog, gzipped without a name or time stamp as Debian keeps it.
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog)
configure_file(${PROJECT_SOURCE_DIR}/desktop/changelog ${changelog} COPYONLY)
add_custom_command(OUTPUT ${changelog}.gz
    COMMAND gzip -9 -n -k -f ${changelog}
    DEPENDS ${changelog}
    VERBATIM)
add_custom_target(slovnik_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

include(CPack)
