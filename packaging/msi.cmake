# Run by cpack once the zip is made (CPACK_POST_BUILD_SCRIPTS): builds the Windows Installer
# package from the files staged for the zip, and puts it beside the zip.
set(staged "${CPACK_TEMPORARY_DIRECTORY}")
set(msi "${CPACK_PACKAGE_DIRECTORY}/${CPACK_ZOZI_MSI_FILE_NAME}")
foreach(file CorvelEditorZozi.exe Corvel_Editor_Zazo_Help.chm)
  if(NOT EXISTS "${staged}/${file}")
    message(FATAL_ERROR "${file} is not in the package: no ${msi}")
  endif()
endforeach()

# wixl 0.101 finds sources only by names relative to the folder it runs in.
file(RELATIVE_PATH icon "${staged}" "${CPACK_ZOZI_ICON}")
file(REMOVE "${msi}")
execute_process(
  COMMAND "${CPACK_ZOZI_WIXL}" --arch x64
          -D "Version=${CPACK_ZOZI_MSI_VERSION}" -D SourceDir=. -D "IconFile=${icon}"
          -o "${msi}" "${CPACK_ZOZI_WXS}"
  WORKING_DIRECTORY "${staged}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE log
  ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS "${msi}")
  message(FATAL_ERROR "wixl could not build ${msi}:\n${log}")
endif()
message(STATUS "package: ${msi} generated.")
