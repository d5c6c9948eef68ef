# A portable installation: the editor and its tools in one folder of the user's
# choosing, with the fonts and pictures built into the binary and Zumzum.ini
# written beside it. The desktop entry and icon for the application menu are
# an option, and go where the desktop looks for them rather than below the
# prefix (see the install step at the end).
include(GNUInstallDirs)
option(VOSTREL_INSTALL_DESKTOP_ENTRY "Install a desktop entry and the program icon" ON)
set(VOSTREL_DESKTOP_DATA_DIR "" CACHE PATH
    "Data folder that receives applications/vostrel.desktop and the icon; empty: decided at install time")

set(VOSTREL_INSTALL_DIR "." CACHE STRING "Folder below the prefix that holds the program")
install(TARGETS vostrel vostrel-menu vostrel-replay RUNTIME DESTINATION ${VOSTREL_INSTALL_DIR})
install(FILES README.md THIRD_PARTY.md DESTINATION ${VOSTREL_INSTALL_DIR})

if(VOSTREL_INSTALL_DESKTOP_ENTRY)
    # What the build knows, handed to the install step. Bracketed, so a folder
    # name holding quotes or a dollar sign arrives as it is.
    install(CODE "
        set(vostrel_program_dir [==[${VOSTREL_INSTALL_DIR}]==])
        set(vostrel_system_datadir [==[${CMAKE_INSTALL_DATADIR}]==])
        set(vostrel_data_dir [==[${VOSTREL_DESKTOP_DATA_DIR}]==])
        set(vostrel_entry_template [==[${CMAKE_CURRENT_SOURCE_DIR}/data/vostrel.desktop.in]==])
        set(vostrel_entry [==[${CMAKE_CURRENT_BINARY_DIR}/vostrel.desktop]==])
        set(vostrel_icon [==[${VOSTREL_ICON_PNG}]==])
    ")

    # The prefix is only known now. A desktop reads entries from the share
    # folders of the system (/usr, /usr/local) and from the user's own data
    # folder, never from a program folder such as ~/Programs/Vostrel; so a
    # system prefix keeps them below it and any other prefix hands them to the
    # user. file(INSTALL) puts DESTDIR in front and lists them in the manifest.
    install(CODE [==[
        if(NOT vostrel_data_dir)
            set(prefix "${CMAKE_INSTALL_PREFIX}")
            cmake_path(NORMAL_PATH prefix)
            if(prefix MATCHES "^/usr(/local)?/?$")
                cmake_path(ABSOLUTE_PATH vostrel_system_datadir BASE_DIRECTORY "${prefix}"
                           OUTPUT_VARIABLE vostrel_data_dir)
            elseif(IS_ABSOLUTE "$ENV{XDG_DATA_HOME}")
                set(vostrel_data_dir "$ENV{XDG_DATA_HOME}")
            elseif(IS_ABSOLUTE "$ENV{HOME}")
                set(vostrel_data_dir "$ENV{HOME}/.local/share")
            endif()
        endif()

        if(NOT vostrel_data_dir)
            message(WARNING "No data folder to put the desktop entry in (neither XDG_DATA_HOME nor HOME "
                            "is set); the program is installed without it.")
        else()
            set(binary "${CMAKE_INSTALL_PREFIX}/${vostrel_program_dir}/vostrel")
            cmake_path(NORMAL_PATH binary)

            # Exec= holds a command line: the path is one argument in double
            # quotes, inside which ", `, $ and \ take a backslash, and % opens a
            # field code, so a literal one is doubled.
            set(exec "${binary}")
            foreach(special "\\" "\"" "`" "\$")
                string(REPLACE "${special}" "\\${special}" exec "${exec}")
            endforeach()
            string(REPLACE "%" "%%" exec "${exec}")
            set(exec "\"${exec}\"")
            # Both keys are strings of the entry as well, whose own escapes
            # double every backslash once more (after the quoting above).
            set(VOSTREL_ENTRY_EXEC "${exec}")
            set(VOSTREL_ENTRY_TRY_EXEC "${binary}")
            foreach(key VOSTREL_ENTRY_EXEC VOSTREL_ENTRY_TRY_EXEC)
                string(REPLACE "\\" "\\\\" ${key} "${${key}}")
                string(REPLACE "\n" "\\n" ${key} "${${key}}")
                string(REPLACE "\t" "\\t" ${key} "${${key}}")
                string(REPLACE "\r" "\\r" ${key} "${${key}}")
            endforeach()
            configure_file("${vostrel_entry_template}" "${vostrel_entry}" @ONLY)

            file(INSTALL DESTINATION "${vostrel_data_dir}/applications" TYPE FILE FILES "${vostrel_entry}")
            # The icon is drawn at 256 pixels; the theme is found by name (Icon=vostrel).
            file(INSTALL DESTINATION "${vostrel_data_dir}/icons/hicolor/256x256/apps" TYPE FILE
                 RENAME vostrel.png FILES "${vostrel_icon}")
        endif()
    ]==])
endif()
