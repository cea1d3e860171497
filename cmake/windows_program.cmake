# The project's Windows programs: Unicode throughout, entered by their wide-character entry point.
#
#   zozi_windows_program(<name> [WIN32] [NARROW_ENTRY] [RESOURCES] <source>...)
#
# Every program gets UNICODE and _UNICODE (the Windows headers' wide-character functions). Its
# entry point is wWinMain with WIN32 (a window program), wmain otherwise (a console program);
# NARROW_ENTRY: a library brings the entry point, main() (GoogleTest's gtest_main). RESOURCES:
# the program's icon, version record and manifest (resources/app.rc.in), compiled into it as a
# source of its own, as every generator and resource compiler take it.
#
# GNU (MinGW-w64) links the wide-character entry point only with -municode. The Microsoft linker
# needs nothing: it picks the start-up code for whichever of wWinMain or wmain the program defines.

# The two defines, for the programs below and for the libraries built for them (zozi_ui).
add_library(zozi_unicode INTERFACE)
target_compile_definitions(zozi_unicode INTERFACE UNICODE _UNICODE)

function(zozi_windows_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "WIN32;NARROW_ENTRY;RESOURCES" "" "")
  if(arg_WIN32)
    add_executable(${name} WIN32 ${arg_UNPARSED_ARGUMENTS})
  else()
    add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  endif()
  target_link_libraries(${name} PRIVATE zozi_unicode)
  if(MINGW AND NOT arg_NARROW_ENTRY)
    target_link_options(${name} PRIVATE -municode)
  endif()
  if(arg_RESOURCES)
    set(rc ${ZOZI_GENERATED}/app.rc)
    target_sources(${name} PRIVATE ${rc})
    target_include_directories(${name} PRIVATE ${ZOZI_GENERATED} ${PROJECT_SOURCE_DIR}/resources)
    set_property(SOURCE ${rc} TARGET_DIRECTORY ${name} APPEND PROPERTY OBJECT_DEPENDS
      ${PROJECT_SOURCE_DIR}/resources/app.ico ${ZOZI_GENERATED}/app.manifest)
  endif()
endfunction()
