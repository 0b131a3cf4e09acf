# What `cmake --install` puts where. The Debian package is made from the same
# rules, so an install with --prefix /usr and the package carry the same files.
#
#   bin/strumbly, bin/strumbly-cli
#   share/strumbly/{dictionary,help,examples}   data the program looks up
#                                              beside <prefix>/bin
#   share/applications, share/mime/packages, share/metainfo, share/icons
#   share/man/man1, share/doc/strumbly
include(GNUInstallDirs)

option(STRUMBLY_PACKAGING
  "Fail when a tool for the installed extras (scdoc, rsvg-convert, gzip) is missing" OFF)

set(STRUMBLY_PACKAGING_DIR "${CMAKE_CURRENT_SOURCE_DIR}/packaging")
set(STRUMBLY_GENERATED_DIR "${CMAKE_CURRENT_BINARY_DIR}/packaging")
set(STRUMBLY_DATA_DIR "${CMAKE_INSTALL_DATADIR}/strumbly")
set(STRUMBLY_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/strumbly")
file(MAKE_DIRECTORY "${STRUMBLY_GENERATED_DIR}")

install(TARGETS strumbly strumbly-cli RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

# The data folder mirrors resources/, which is also where a build folder
# inside the source tree finds it (<exe dir>/../resources).
foreach(dir IN ITEMS dictionary help examples)
  if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/resources/${dir}")
    install(DIRECTORY "resources/${dir}" DESTINATION "${STRUMBLY_DATA_DIR}"
      FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()
endforeach()

# Desktop integration. The desktop entry's name and the MIME type are the ones
# the per-user file association writes, so the two never disagree.
install(FILES "${STRUMBLY_PACKAGING_DIR}/strumbly.desktop"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${STRUMBLY_PACKAGING_DIR}/strumbly-mime.xml"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages" RENAME strumbly.xml)
install(FILES "${STRUMBLY_PACKAGING_DIR}/io.github.strumbly.Strumbly.metainfo.xml"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${STRUMBLY_PACKAGING_DIR}/strumbly.svg"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(FILES "${STRUMBLY_PACKAGING_DIR}/strumbly.svg"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes"
  RENAME application-x-strumbly.svg)
install(FILES "${STRUMBLY_PACKAGING_DIR}/copyright" DESTINATION "${STRUMBLY_DOC_DIR}")

# Generated extras: PNG icons, man pages and the changelog. A developer build
# without the tools skips them; a packaging build insists on them.
function(strumbly_find_tool var name package)
  find_program(${var} ${name})
  if(NOT ${var})
    if(STRUMBLY_PACKAGING)
      message(FATAL_ERROR "${name} is needed for the package: install the Debian package ${package}")
    endif()
    message(STATUS "${name} not found (Debian package ${package}): its installed files are skipped")
  endif()
endfunction()

strumbly_find_tool(STRUMBLY_RSVG_CONVERT rsvg-convert librsvg2-bin)
strumbly_find_tool(STRUMBLY_SCDOC scdoc scdoc)
strumbly_find_tool(STRUMBLY_GZIP gzip gzip)

set(generated)
if(STRUMBLY_RSVG_CONVERT)
  foreach(size IN ITEMS 48 256)
    set(png "${STRUMBLY_GENERATED_DIR}/icons/${size}x${size}/strumbly.png")
    add_custom_command(OUTPUT "${png}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${STRUMBLY_GENERATED_DIR}/icons/${size}x${size}"
      COMMAND "${STRUMBLY_RSVG_CONVERT}" -w ${size} -h ${size} -o "${png}" "${STRUMBLY_PACKAGING_DIR}/strumbly.svg"
      DEPENDS "${STRUMBLY_PACKAGING_DIR}/strumbly.svg"
      COMMENT "Rendering the ${size} pixel icon" VERBATIM)
    list(APPEND generated "${png}")
    install(FILES "${png}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
  endforeach()
endif()

if(STRUMBLY_SCDOC AND STRUMBLY_GZIP)
  foreach(page IN ITEMS strumbly.1 strumbly-cli.1)
    set(source "${STRUMBLY_PACKAGING_DIR}/man/${page}.scd")
    set(roff "${STRUMBLY_GENERATED_DIR}/man/${page}")
    add_custom_command(OUTPUT "${roff}.gz"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${STRUMBLY_GENERATED_DIR}/man"
      COMMAND sh -c "\"$1\" < \"$2\" > \"$3\" && \"$4\" -9nf \"$3\"" sh
              "${STRUMBLY_SCDOC}" "${source}" "${roff}" "${STRUMBLY_GZIP}"
      DEPENDS "${source}"
      COMMENT "Writing the manual page ${page}" VERBATIM)
    list(APPEND generated "${roff}.gz")
    install(FILES "${roff}.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  endforeach()
endif()

if(STRUMBLY_GZIP)
  set(changelog "${STRUMBLY_GENERATED_DIR}/changelog")
  configure_file("${STRUMBLY_PACKAGING_DIR}/changelog.in" "${changelog}" @ONLY)
  add_custom_command(OUTPUT "${changelog}.gz"
    COMMAND sh -c "\"$1\" -9n < \"$2\" > \"$2.gz\"" sh "${STRUMBLY_GZIP}" "${changelog}"
    DEPENDS "${changelog}"
    COMMENT "Compressing the changelog" VERBATIM)
  list(APPEND generated "${changelog}.gz")
  install(FILES "${changelog}.gz" DESTINATION "${STRUMBLY_DOC_DIR}")
endif()

add_custom_target(strumbly_installed_extras ALL DEPENDS ${generated})

# Quick checks of the desktop files for the test run; each tool takes a
# fraction of a second.
if(STRUMBLY_TESTS)
  find_program(STRUMBLY_DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(STRUMBLY_APPSTREAMCLI appstreamcli)
  find_program(STRUMBLY_UPDATE_MIME_DATABASE update-mime-database)
  if(STRUMBLY_DESKTOP_FILE_VALIDATE)
    add_test(NAME packaging.desktop_entry
      COMMAND "${STRUMBLY_DESKTOP_FILE_VALIDATE}" "${STRUMBLY_PACKAGING_DIR}/strumbly.desktop")
    # It reports hints and warnings but fails only on errors: hold it to all.
    set_tests_properties(packaging.desktop_entry PROPERTIES FAIL_REGULAR_EXPRESSION "warning|error|hint")
  endif()
  if(STRUMBLY_APPSTREAMCLI)
    add_test(NAME packaging.metainfo
      COMMAND "${STRUMBLY_APPSTREAMCLI}" validate --no-net
              "${STRUMBLY_PACKAGING_DIR}/io.github.strumbly.Strumbly.metainfo.xml")
  endif()
  # The example songs that ship must stay free of bad lines.
  file(GLOB example_songs "${CMAKE_CURRENT_SOURCE_DIR}/resources/examples/*.sly")
  if(example_songs)
    add_test(NAME packaging.example_songs COMMAND strumbly-cli check ${example_songs})
  endif()
  if(STRUMBLY_UPDATE_MIME_DATABASE)
    add_test(NAME packaging.mime_type
      COMMAND ${CMAKE_COMMAND}
              -DUPDATE_MIME_DATABASE=${STRUMBLY_UPDATE_MIME_DATABASE}
              -DPACKAGING_DIR=${STRUMBLY_PACKAGING_DIR}
              -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/packaging/mime-check
              -P "${CMAKE_CURRENT_SOURCE_DIR}/cmake/check_mime_type.cmake")
  endif()
endif()
