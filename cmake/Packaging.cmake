# The release: its version comes from project(), its date from the entry for that version in
# CHANGELOG.md, so that neither is written twice. The installed layout (the Debian package) is
# the install component "package", which a plain `cmake --install` leaves out: that one still
# gives the portable folder.

file(STRINGS "${PROJECT_SOURCE_DIR}/CHANGELOG.md" vmm_release_line
     REGEX "^## \\[${PROJECT_VERSION}\\] - [0-9]+-[0-9]+-[0-9]+$")
if(NOT vmm_release_line MATCHES "([0-9]+)-([0-9]+)-([0-9]+)$")
    message(FATAL_ERROR "CHANGELOG.md has no entry \"## [${PROJECT_VERSION}] - YYYY-MM-DD\"")
endif()
set(VMM_RELEASE_DATE "${CMAKE_MATCH_1}-${CMAKE_MATCH_2}-${CMAKE_MATCH_3}")
set(VMM_RELEASE_YEAR "${CMAKE_MATCH_1}")
set(VMM_APP_ID io.github.varnhold.ModManager)
set(VMM_MAINTAINER
    "Varnhold Mod Manager maintainers <maintainers@users.noreply.c-seed-8c8ba475.example>")

if(NOT UNIX OR APPLE)
    return()
endif()

set(vmm_package_dir "${PROJECT_BINARY_DIR}/package")
configure_file("${PROJECT_SOURCE_DIR}/packaging/io.github.varnhold.ModManager.metainfo.xml.in"
               "${vmm_package_dir}/${VMM_APP_ID}.metainfo.xml" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/packaging/copyright.in"
               "${vmm_package_dir}/copyright" @ONLY)
# The Debian changelog's date in the form it asks for, at noon UTC of the release day.
execute_process(COMMAND date -u -R -d "${VMM_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE VMM_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file("${PROJECT_SOURCE_DIR}/packaging/changelog.Debian.in"
               "${vmm_package_dir}/changelog" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/packaging/varnhold-mod-manager.1.in"
               "${vmm_package_dir}/varnhold-mod-manager.1" @ONLY)
foreach(file changelog varnhold-mod-manager.1)
    execute_process(COMMAND gzip -9 -n -c "${vmm_package_dir}/${file}"
                    OUTPUT_FILE "${vmm_package_dir}/${file}.gz" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# Marks the layout for the tool, which looks for it from its executable's folder.
file(WRITE "${vmm_package_dir}/installed-layout"
     "Installed by a package: each player's files live in that player's own folders.\n")

install(TARGETS varnhold-mod-manager RUNTIME DESTINATION bin COMPONENT package EXCLUDE_FROM_ALL)
install(FILES "${PROJECT_SOURCE_DIR}/resources/varnhold-mod-manager.desktop"
        DESTINATION share/applications RENAME ${VMM_APP_ID}.desktop
        COMPONENT package EXCLUDE_FROM_ALL)
foreach(size 32 64 128 256)
    install(FILES "${PROJECT_SOURCE_DIR}/resources/icons/varnhold-mod-manager-${size}.png"
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME varnhold-mod-manager.png
            COMPONENT package EXCLUDE_FROM_ALL)
endforeach()
install(FILES "${vmm_package_dir}/${VMM_APP_ID}.metainfo.xml" DESTINATION share/metainfo
        COMPONENT package EXCLUDE_FROM_ALL)
install(FILES "${vmm_package_dir}/installed-layout" DESTINATION share/varnhold-mod-manager
        COMPONENT package EXCLUDE_FROM_ALL)
install(FILES "${vmm_package_dir}/varnhold-mod-manager.1.gz" DESTINATION share/man/man1
        COMPONENT package EXCLUDE_FROM_ALL)
install(FILES "${vmm_package_dir}/copyright" "${vmm_package_dir}/changelog.gz"
        DESTINATION share/doc/varnhold-mod-manager COMPONENT package EXCLUDE_FROM_ALL)

# Packing builds only the tool, which the caller has built: not the whole test suite first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnhold-mod-manager)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "choose the mods Varnhold loads and start the game")
set(CPACK_PACKAGE_DESCRIPTION
    "Varnhold Mod Manager lists the mod files in the mod folder of the game\n"
    "Varnhold as tickable lists, shows the selected mods and the command line\n"
    "they make, and starts the game with them. It keeps named selections as set\n"
    "files and lets you edit the game's configuration file.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "${VMM_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};package;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/dist")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The forms are laid out for the narrow font Liberation Sans Narrow.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
