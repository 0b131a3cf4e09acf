# The Debian package, made by CPack from the install rules:
#   cpack -G DEB   ->   strumbly_<version>_<arch>.deb
# Library dependencies come from dpkg-shlibdeps; the built-in synthesizer
# needs a General MIDI soundfont besides.
set(CPACK_PACKAGE_NAME strumbly)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Strumbly developers")
set(CPACK_PACKAGE_CONTACT "Strumbly developers <strumbly@packages.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "guitar chord editor that plays and prints chord sequences")
set(CPACK_PACKAGE_DESCRIPTION
"Strumbly is a desktop program for writing, hearing and printing guitar
chord sequences. A song is a plain-text list of chord lines, each a chord
name, the frets of the six strings and a note length: C, x, 3, 2, 0, 1, 0, Q.
.
The chord under the caret is shown on a drawn guitar neck, where fingers
can also be placed with the mouse. Songs play through the built-in
synthesizer or a MIDI device, step chord by chord, and can be transposed,
retuned, saved as Standard MIDI files and printed as tablature.
.
The package also holds strumbly-cli, which checks song files from a
terminal, a default chord dictionary and example songs.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://strumbly.github.io/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fluid-soundfont-gm | timgm6mb-soundfont")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-gtk-platformtheme")  # the GTK desktop's theme and colours
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
