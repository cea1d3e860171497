# Run by cpack once it has made the zip, before it copies it out of its work folder
# (CPACK_POST_BUILD_SCRIPTS, before msi.cmake): makes the zip again with Info-ZIP's zip from the
# same staged files, so that the same files give the same bytes. cpack's own zip holds the
# builder's user and group ids and lists the files in the order the file system returns them;
# this one holds the files sorted by name, with their modes (0644, 0755 for the program) and
# nothing else of the builder's. With SOURCE_DATE_EPOCH set, the staged files (and so the zip's
# entries and the .msi's cabinet) take that date.
set(staged "${CPACK_TEMPORARY_DIRECTORY}")
set(zip "${CPACK_PACKAGE_FILES}")
list(FILTER zip INCLUDE REGEX "\\.zip$")
list(LENGTH zip count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "not one zip among the packages made: [${CPACK_PACKAGE_FILES}]")
endif()

file(GLOB files RELATIVE "${staged}" "${staged}/*")
list(SORT files)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" ${files}
                  WORKING_DIRECTORY "${staged}" COMMAND_ERROR_IS_FATAL ANY)
endif()

# A zip entry's date is local time: read it in UTC, the same everywhere.
file(REMOVE "${zip}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env TZ=UTC "${CPACK_ZOZI_ZIP}" -X -D -q -9 "${zip}" ${files}
  WORKING_DIRECTORY "${staged}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT EXISTS "${zip}")
  message(FATAL_ERROR "zip could not make ${zip}")
endif()
