# What a Windows build made with MinGW needs beyond the compiler: the DLLs its programs load,
# a way to run its tests when it was cross-built on Linux, and a portable folder to ship.

get_target_property(vmm_qt_core_dll Qt6::Core LOCATION)
get_filename_component(vmm_qt_bin_dir "${vmm_qt_core_dll}" DIRECTORY)
get_filename_component(vmm_qt_prefix "${vmm_qt_bin_dir}" DIRECTORY)

# The MinGW runtime that every program of the build links against.
set(vmm_mingw_runtime_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(dll_path "${dll_path}" REALPATH)
    if(NOT EXISTS "${dll_path}")
        message(FATAL_ERROR "The MinGW runtime ${dll} was not found beside ${CMAKE_CXX_COMPILER}")
    endif()
    list(APPEND vmm_mingw_runtime_dlls "${dll_path}")
endforeach()

# Cross-built tests run under Wine, with Qt and the runtime found through WINEPATH.
if(CMAKE_CROSSCOMPILING AND CMAKE_HOST_UNIX)
    set(vmm_dll_folders "${vmm_qt_bin_dir}")
    foreach(dll ${vmm_mingw_runtime_dlls})
        get_filename_component(folder "${dll}" DIRECTORY)
        list(APPEND vmm_dll_folders "${folder}")
    endforeach()
    list(REMOVE_DUPLICATES vmm_dll_folders)
    string(REPLACE ";" ":" vmm_dll_folders "${vmm_dll_folders}")
    set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_SOURCE_DIR}/scripts/wine-run.sh;${vmm_dll_folders}")
endif()

# The portable folder, laid out the way Qt's deployment tool lays it out: the executable with
# the Qt and runtime DLLs beside it and the plugins in their own subfolders; then zipped.
set(vmm_portable_name varnhold-mod-manager-windows)
set(vmm_portable_dir "${PROJECT_BINARY_DIR}/${vmm_portable_name}")
set(vmm_portable_zip "${PROJECT_BINARY_DIR}/${vmm_portable_name}.zip")
set(vmm_portable_plugins platforms/qwindows.dll styles/qwindowsvistastyle.dll
    imageformats/qgif.dll imageformats/qico.dll imageformats/qjpeg.dll)
set(vmm_portable_commands
    COMMAND ${CMAKE_COMMAND} -E rm -rf "${vmm_portable_dir}" "${vmm_portable_zip}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${vmm_portable_dir}"
    COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:varnhold-mod-manager>"
            ${vmm_mingw_runtime_dlls} "${vmm_portable_dir}")
# The runtime comes with its debugging symbols, which a player does not need.
if(CMAKE_STRIP)
    list(APPEND vmm_portable_commands
         COMMAND ${CMAKE_STRIP} --strip-unneeded "${vmm_portable_dir}/$<TARGET_FILE_NAME:varnhold-mod-manager>")
    foreach(dll ${vmm_mingw_runtime_dlls})
        get_filename_component(dll_name "${dll}" NAME)
        list(APPEND vmm_portable_commands
             COMMAND ${CMAKE_STRIP} --strip-unneeded "${vmm_portable_dir}/${dll_name}")
    endforeach()
endif()
foreach(module Core Gui Widgets)
    list(APPEND vmm_portable_commands
         COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:Qt6::${module}>" "${vmm_portable_dir}")
endforeach()
foreach(plugin ${vmm_portable_plugins})
    get_filename_component(plugin_folder "${plugin}" DIRECTORY)
    list(APPEND vmm_portable_commands
         COMMAND ${CMAKE_COMMAND} -E make_directory "${vmm_portable_dir}/${plugin_folder}"
         COMMAND ${CMAKE_COMMAND} -E copy "${vmm_qt_prefix}/plugins/${plugin}"
                 "${vmm_portable_dir}/${plugin_folder}")
endforeach()
# Every file of the folder, in a fixed order, for the zip and the setup.
set(vmm_portable_files varnhold-mod-manager.exe)
foreach(dll ${vmm_mingw_runtime_dlls})
    get_filename_component(dll_name "${dll}" NAME)
    list(APPEND vmm_portable_files "${dll_name}")
endforeach()
list(APPEND vmm_portable_files Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll ${vmm_portable_plugins})
# The same files give the same zip: one file time for all, taken from SOURCE_DATE_EPOCH when the
# release sets it, and no extra fields with the times and owners of this machine.
find_program(VMM_ZIP zip)
find_program(VMM_TOUCH touch)
if(VMM_ZIP AND VMM_TOUCH AND CMAKE_HOST_UNIX)
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        set(vmm_file_time "@$ENV{SOURCE_DATE_EPOCH}")
    else()
        set(vmm_file_time "${VMM_RELEASE_DATE} 12:00:00 UTC")
    endif()
    list(TRANSFORM vmm_portable_files PREPEND "${vmm_portable_name}/" OUTPUT_VARIABLE vmm_zip_entries)
    list(APPEND vmm_portable_commands
         COMMAND ${VMM_TOUCH} -d "${vmm_file_time}" ${vmm_zip_entries}
         COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${VMM_ZIP} -q -X -D "${vmm_portable_zip}" ${vmm_zip_entries})
else()
    list(APPEND vmm_portable_commands
         COMMAND ${CMAKE_COMMAND} -E tar cf "${vmm_portable_zip}" --format=zip "${vmm_portable_name}")
endif()
add_custom_target(windows-folder
    ${vmm_portable_commands}
    WORKING_DIRECTORY "${PROJECT_BINARY_DIR}"
    COMMENT "Making the portable Windows folder ${vmm_portable_zip}"
    VERBATIM)

# The setup installs the same files for the current player only, in the installed layout.
set(VMM_SETUP_EXE "${PROJECT_BINARY_DIR}/varnhold-mod-manager-${PROJECT_VERSION}-windows-setup.exe")
set(VMM_SETUP_INSTALL_LINES "")
set(VMM_SETUP_UNINSTALL_LINES "")
set(VMM_SETUP_UNINSTALL_FOLDERS "")
set(vmm_setup_folder "-")
foreach(file ${vmm_portable_files})
    get_filename_component(folder "${file}" DIRECTORY)
    string(REPLACE "/" "\\" windows_file "${file}")
    if(NOT folder STREQUAL vmm_setup_folder)
        set(vmm_setup_folder "${folder}")
        string(REPLACE "/" "\\" windows_folder "${folder}")
        string(APPEND VMM_SETUP_INSTALL_LINES "    SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
        if(folder)
            string(APPEND VMM_SETUP_UNINSTALL_FOLDERS "    RMDir \"$INSTDIR\\${windows_folder}\"\n")
        endif()
    endif()
    string(APPEND VMM_SETUP_INSTALL_LINES "    File \"${vmm_portable_dir}/${file}\"\n")
    string(APPEND VMM_SETUP_UNINSTALL_LINES "    Delete \"$INSTDIR\\${windows_file}\"\n")
endforeach()
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows-setup.nsi.in"
               "${PROJECT_BINARY_DIR}/windows-setup.nsi" @ONLY)
find_program(VMM_MAKENSIS makensis)
if(VMM_MAKENSIS)
    add_custom_target(windows-setup
        COMMAND ${VMM_MAKENSIS} -V2 -NOCD "${PROJECT_BINARY_DIR}/windows-setup.nsi"
        WORKING_DIRECTORY "${PROJECT_BINARY_DIR}"
        COMMENT "Making the Windows setup ${VMM_SETUP_EXE}"
        VERBATIM)
    add_dependencies(windows-setup windows-folder)
endif()
