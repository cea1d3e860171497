# Run by cpack once the zip is made (CPACK_POST_BUILD_SCRIPTS): builds the Windows Installer
# package from the files staged for the zip, and puts it beside the zip.
set(staged "${CPACK_TEMPORARY_DIRECTORY}")
set(msi "${CPACK_PACKAGE_DIRECTORY}/${CPACK_ZOZI_MSI_FILE_NAME}")
set(help "${CPACK_ZOZI_HELP_NAME}")
if(help STREQUAL "")
  message(FATAL_ERROR "CPACK_ZOZI_HELP_NAME is not set: no ${msi}")
endif()
foreach(file CorvelEditorZozi.exe "${help}")
  if(NOT EXISTS "${staged}/${file}")
    message(FATAL_ERROR "${file} is not in the package: no ${msi}")
  endif()
endforeach()

# The product code and the package code come from the version and everything the package is
# made of, so that the same sources give the same package, and a new version or any other
# content gets new codes, as Windows Installer requires. (wixl would make new random ones.)
set(content "${CPACK_ZOZI_MSI_VERSION}")
foreach(file "${CPACK_ZOZI_WXS}" "${CPACK_ZOZI_ICON}" "${staged}/CorvelEditorZozi.exe"
             "${staged}/${help}")
  file(SHA256 "${file}" hash)
  string(APPEND content " ${hash}")
endforeach()
set(namespace 6F3E2C59-6A1B-4C52-9E0B-4C1D2A8F7E31)  # this project's; never change it
string(UUID product_code NAMESPACE ${namespace} NAME "product ${content}" TYPE SHA1 UPPER)
string(UUID package_code NAMESPACE ${namespace} NAME "package ${content}" TYPE SHA1 UPPER)

# wixl dates the summary with the time it runs at: faketime makes that the sources' date
# (SOURCE_DATE_EPOCH; without it, the time now). Without faketime the date is left as it is.
string(TIMESTAMP date "%Y-%m-%d %H:%M:%S" UTC)
set(at_date)
if(CPACK_ZOZI_FAKETIME)
  set(at_date ${CMAKE_COMMAND} -E env TZ=UTC "${CPACK_ZOZI_FAKETIME}" -f "${date}")
endif()

# wixl 0.101 finds sources only by names relative to the folder it runs in.
file(RELATIVE_PATH icon "${staged}" "${CPACK_ZOZI_ICON}")
file(REMOVE "${msi}")
execute_process(
  COMMAND ${at_date} "${CPACK_ZOZI_WIXL}" --arch x64
          -D "Version=${CPACK_ZOZI_MSI_VERSION}" -D "ProductCode={${product_code}}"
          -D SourceDir=. -D "HelpName=${help}" -D "IconFile=${icon}"
          -o "${msi}" "${CPACK_ZOZI_WXS}"
  WORKING_DIRECTORY "${staged}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE log
  ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS "${msi}")
  message(FATAL_ERROR "wixl could not build ${msi}:\n${log}")
endif()

# A package of the same version replaces the other one as a newer package does: the Upgrade row
# that finds this very version (ZOZI_SAME_VERSION_FOUND, from the .wxs) must include its maximum
# (msidbUpgradeAttributesVersionMaxInclusive, 512). wixl 0.101 leaves that flag out: msibuild
# writes the row again with it. A wixl that sets it leaves nothing to do.
set(same_version ZOZI_SAME_VERSION_FOUND)
string(REPLACE "." "\\." version_pattern "${CPACK_ZOZI_MSI_VERSION}")
# The row's upgrade code and attributes (no language, no features named).
function(zozi_same_version_row out_code out_attributes)
  execute_process(COMMAND "${CPACK_ZOZI_MSIINFO}" export "${msi}" Upgrade
                  OUTPUT_VARIABLE table COMMAND_ERROR_IS_FATAL ANY)
  string(REPLACE "\r" "" table "${table}")
  set(v "${version_pattern}")
  if(NOT table MATCHES "\n({[-0-9A-F]+})\t${v}\t${v}\t\t([0-9]+)\t\t${same_version}(\n|$)")
    message(FATAL_ERROR "no Upgrade row ${same_version} from ${CPACK_ZOZI_MSI_VERSION} to "
                        "${CPACK_ZOZI_MSI_VERSION} in ${msi}:\n${table}")
  endif()
  set(${out_code} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  set(${out_attributes} "${CMAKE_MATCH_2}" PARENT_SCOPE)
endfunction()
zozi_same_version_row(upgrade_code attributes)
math(EXPR inclusive "${attributes} | 512")
if(NOT inclusive EQUAL attributes)
  execute_process(
    COMMAND "${CPACK_ZOZI_MSIBUILD}" "${msi}"
            -q "DELETE FROM `Upgrade` WHERE `ActionProperty` = '${same_version}'"
            -q "INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMin`, `VersionMax`, `Attributes`, \
`ActionProperty`) VALUES ('${upgrade_code}', '${CPACK_ZOZI_MSI_VERSION}', \
'${CPACK_ZOZI_MSI_VERSION}', ${inclusive}, '${same_version}')"
    RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
  zozi_same_version_row(upgrade_code attributes)
  if(NOT result EQUAL 0 OR NOT attributes EQUAL inclusive)
    message(FATAL_ERROR "msibuild could not make ${same_version} include "
                        "${CPACK_ZOZI_MSI_VERSION} (attributes ${attributes}):\n${log}")
  endif()
endif()

# wixl takes no package code and makes a random one: msibuild writes ours into the summary,
# keeping its subject, author, template and dates.
execute_process(COMMAND "${CPACK_ZOZI_MSIINFO}" suminfo "${msi}" OUTPUT_VARIABLE summary
                COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\r" "" summary "${summary}")
foreach(field Subject Author Template)
  if(NOT summary MATCHES "(^|\n)${field}: ([^\n]*)")
    message(FATAL_ERROR "no ${field} in the summary of ${msi}:\n${summary}")
  endif()
  set(${field} "${CMAKE_MATCH_2}")
endforeach()
execute_process(
  COMMAND "${CPACK_ZOZI_MSIBUILD}" "${msi}"
          -s "${Subject}" "${Author}" "${Template}" "{${package_code}}"
  RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
execute_process(COMMAND "${CPACK_ZOZI_MSIINFO}" suminfo "${msi}" OUTPUT_VARIABLE summary)
if(NOT result EQUAL 0 OR NOT summary MATCHES "Revision number \\(UUID\\): {${package_code}}")
  message(FATAL_ERROR "msibuild could not set the package code of ${msi}:\n${log}\n${summary}")
endif()
message(STATUS "package: ${msi} generated.")
