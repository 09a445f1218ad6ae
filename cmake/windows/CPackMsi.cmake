# Run by cpack (its External generator) once the program's files are staged as the installer and
# the ZIP hold them: the Windows Installer package rovororezovered-<version>-win64.msi, built by
# wixl from cmake/windows/rovororezovered.wxs.in, every staged file in it. The filled-in source
# stays beside the staging folder (<name>.wxs), where another version of the package can be built
# from the same files.
set(root "${CPACK_TEMPORARY_DIRECTORY}")
# wixl finds the files from the source's folder, beside the staged one, by relative paths.
get_filename_component(staged "${root}" NAME)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
list(SORT files)
set(dirs)
foreach(file ${files})
  get_filename_component(dir "${file}" DIRECTORY)
  while(dir)
    list(APPEND dirs "${dir}")
    get_filename_component(dir "${dir}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES dirs)
list(SORT dirs)

# The files of folder `dir` ("" for the program's folder) and its subfolders, as WiX elements, one
# component a file; the components' names are gathered for the feature.
set_property(GLOBAL PROPERTY drill_msi_files "")
set_property(GLOBAL PROPERTY drill_msi_components "")
function(drill_msi_folder dir indent)
  foreach(entry ${files} ${dirs})
    get_filename_component(parent "${entry}" DIRECTORY)
    if(NOT parent STREQUAL dir)
      continue()
    endif()
    string(MAKE_C_IDENTIFIER "${entry}" id)
    get_filename_component(name "${entry}" NAME)
    list(FIND dirs "${entry}" folder)
    if(folder LESS 0)
      set_property(GLOBAL APPEND_STRING PROPERTY drill_msi_files
        "${indent}<Component Id=\"c_${id}\" Guid=\"*\" Win64=\"yes\">\n"
        "${indent}  <File Id=\"f_${id}\" Name=\"${name}\" Source=\"${staged}/${entry}\" KeyPath=\"yes\"/>\n"
        "${indent}</Component>\n")
      set_property(GLOBAL APPEND_STRING PROPERTY drill_msi_components
        "      <ComponentRef Id=\"c_${id}\"/>\n")
    else()
      set_property(GLOBAL APPEND_STRING PROPERTY drill_msi_files
        "${indent}<Directory Id=\"d_${id}\" Name=\"${name}\">\n")
      drill_msi_folder("${entry}" "${indent}  ")
      set_property(GLOBAL APPEND_STRING PROPERTY drill_msi_files "${indent}</Directory>\n")
    endif()
  endforeach()
endfunction()
drill_msi_folder("" "          ")
get_property(DRILL_MSI_FILES GLOBAL PROPERTY drill_msi_files)
get_property(DRILL_MSI_COMPONENTS GLOBAL PROPERTY drill_msi_components)
set(DRILL_MSI_UPGRADE_CODE "${CPACK_DRILL_MSI_UPGRADE_CODE}")

set(source "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.wxs")
set(msi "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi")
configure_file("${CPACK_DRILL_MSI_TEMPLATE}" "${source}" @ONLY)
configure_file("${CPACK_NSIS_MUI_ICON}" "${CPACK_TOPLEVEL_DIRECTORY}/programma.ico" COPYONLY)
# One product code for each version, the same whenever that version is built again: a package
# built twice installs as one product.
string(UUID product NAMESPACE "${CPACK_DRILL_MSI_UPGRADE_CODE}" NAME "${CPACK_PACKAGE_VERSION}"
       TYPE SHA1 UPPER)
execute_process(
  COMMAND "${CPACK_DRILL_WIXL}" -a x64 -D "Version=${CPACK_PACKAGE_VERSION}"
          -D "ProductCode=${product}" -o "${msi}" "${source}"
  RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT EXISTS "${msi}")
  message(FATAL_ERROR "wixl did not build ${msi}: ${errors}")
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES "${msi}")
