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
add_custom_target(windows-folder
    ${vmm_portable_commands}
    COMMAND ${CMAKE_COMMAND} -E tar cf "${vmm_portable_zip}" --format=zip "${vmm_portable_name}"
    WORKING_DIRECTORY "${PROJECT_BINARY_DIR}"
    COMMENT "Making the portable Windows folder ${vmm_portable_zip}"
    VERBATIM)
