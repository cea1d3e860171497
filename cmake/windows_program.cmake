# The project's Windows programs: Unicode throughout, entered by their wide-character entry point.
#
#   zozi_windows_program(<name> [WIN32] [NARROW_ENTRY] [RESOURCES] <source>...)
#
# Every program gets the Windows headers as the project uses them (zozi_windows_api below). Its
# entry point is wWinMain with WIN32 (a window program), wmain otherwise (a console program);
# NARROW_ENTRY: a library brings the entry point, main() (GoogleTest's gtest_main). RESOURCES:
# the program's icon, version record and manifest (resources/app.rc.in), compiled into it as a
# source of its own, as every generator and resource compiler take it.
#
# GNU (MinGW-w64) links the wide-character entry point only with -municode. The Microsoft linker
# needs nothing: it picks the start-up code for whichever of wWinMain or wmain the program defines.

# The Windows headers as every program below and every library built for them (zozi_ui,
# zozi_layout) include them: the wide-character functions (UNICODE, _UNICODE), without the
# rarely used parts (WIN32_LEAN_AND_MEAN) and without the min and max macros, which would
# replace std::min and std::max (NOMINMAX).
add_library(zozi_windows_api INTERFACE)
target_compile_definitions(zozi_windows_api INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

function(zozi_windows_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "WIN32;NARROW_ENTRY;RESOURCES" "" "")
  if(arg_WIN32)
    add_executable(${name} WIN32 ${arg_UNPARSED_ARGUMENTS})
  else()
    add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  endif()
  target_link_libraries(${name} PRIVATE zozi_windows_api)
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
