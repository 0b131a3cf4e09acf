# Builds a private MIME database from our type definition and checks that it
# maps *.sly to application/x-strumbly, a kind of text/plain, and that the
# desktop entry and the AppStream data name that same type and entry.
#   cmake -DUPDATE_MIME_DATABASE=... -DPACKAGING_DIR=... -DWORK_DIR=... -P check_mime_type.cmake
set(type application/x-strumbly)

function(expect text pattern what)
  string(REGEX MATCH "${pattern}" found "${text}")
  if(NOT found)
    message(FATAL_ERROR "${what}: no match for '${pattern}' in:\n${text}")
  endif()
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/mime/packages")
file(COPY_FILE "${PACKAGING_DIR}/strumbly-mime.xml" "${WORK_DIR}/mime/packages/strumbly.xml")
# With the folder on the search path the tool has nothing to remark, so any
# output is a complaint about the definition.
set(ENV{XDG_DATA_HOME} "${WORK_DIR}")
set(ENV{XDG_DATA_DIRS} "${WORK_DIR}")
execute_process(COMMAND "${UPDATE_MIME_DATABASE}" "${WORK_DIR}/mime"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR err MATCHES ".")
  message(FATAL_ERROR "update-mime-database refused the type (${rc}):\n${out}${err}")
endif()

file(READ "${WORK_DIR}/mime/globs2" globs)
expect("${globs}" "(^|\n)[0-9]+:${type}:\\*\\.sly(\n|$)" "globs2")
file(READ "${WORK_DIR}/mime/subclasses" subclasses)
expect("${subclasses}" "(^|\n)${type} text/plain(\n|$)" "subclasses")
file(READ "${WORK_DIR}/mime/application/x-strumbly.xml" definition)
expect("${definition}" "<comment>Strumbly song</comment>" "type description")

file(READ "${PACKAGING_DIR}/strumbly.desktop" desktop)
expect("${desktop}" "\nMimeType=${type};\n" "strumbly.desktop")
expect("${desktop}" "\nExec=strumbly %f\n" "strumbly.desktop")
file(READ "${PACKAGING_DIR}/io.github.strumbly.Strumbly.metainfo.xml" metainfo)
expect("${metainfo}" "<mediatype>${type}</mediatype>" "metainfo")
expect("${metainfo}" "<launchable type=\"desktop-id\">strumbly.desktop</launchable>" "metainfo")
message(STATUS "${type}: *.sly, a kind of text/plain, opened by strumbly.desktop")
