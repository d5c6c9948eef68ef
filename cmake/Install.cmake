# A portable installation: the editor and its tools in one folder of the user's
# choosing, with the fonts and pictures built into the binary and Zumzum.ini
# written beside it. The desktop entry and icon for the application menu are
# an option, since they go to the user's or the system's share folder.
include(GNUInstallDirs)
option(VOSTREL_INSTALL_DESKTOP_ENTRY "Install a desktop entry and the program icon" ON)

set(VOSTREL_INSTALL_DIR "." CACHE STRING "Folder below the prefix that holds the program")
install(TARGETS vostrel vostrel-menu vostrel-replay RUNTIME DESTINATION ${VOSTREL_INSTALL_DIR})
install(FILES README.md THIRD_PARTY.md DESTINATION ${VOSTREL_INSTALL_DIR})

if(VOSTREL_INSTALL_DESKTOP_ENTRY)
    # The entry names the installed binary by its full path; the prefix is only
    # known at install time, so the file is written then.
    install(CODE "
        set(binary \"\${CMAKE_INSTALL_PREFIX}/${VOSTREL_INSTALL_DIR}/vostrel\")
        cmake_path(NORMAL_PATH binary)
        set(VOSTREL_INSTALLED_BINARY \"\${binary}\")
        configure_file(\"${CMAKE_CURRENT_SOURCE_DIR}/data/vostrel.desktop.in\"
                       \"${CMAKE_CURRENT_BINARY_DIR}/vostrel.desktop\" @ONLY)
    ")
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vostrel.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${VOSTREL_ICON_PNG}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME vostrel.png)
endif()
