# The window as a Windows program. Included from the root CMakeLists after the target vostrel
# and the tools exist, for a build whose target system is Windows.
#
# vostrel.exe is a GUI program (no console opens behind it) and carries the program icon and
# its version in its resources. The folder of the programs gets what they load at run time,
# laid out as in the portable zip: Qt's DLLs, the compiler's runtime DLLs, the platform and
# style plugins and Qt's German and French texts, so the window tests and the icon tool run
# from it under Wine exactly as the programs will run on Windows.

set(_bin "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
file(GLOB _qt_dlls "${VOSTREL_WINDOWS_QT}/bin/*.dll")
file(COPY ${_qt_dlls} DESTINATION "${_bin}")
foreach(_plugins platforms styles)
    file(COPY "${VOSTREL_WINDOWS_QT}/plugins/${_plugins}" DESTINATION "${_bin}")
endforeach()
# Qt's DLLs link the C++ runtime and the thread library dynamically; the compiler knows where.
foreach(_runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_runtime}
        OUTPUT_VARIABLE _found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${_found}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${_runtime} is")
    endif()
    file(COPY "${_found}" DESTINATION "${_bin}")
endforeach()
# The translations of Qt's own texts match the host Qt, which is the same version.
foreach(_language de fr)
    file(COPY "/usr/share/qt6/translations/qtbase_${_language}.qm" DESTINATION "${_bin}/translations")
endforeach()

# The icon is drawn by the icon tool of this build, run under Wine, from the same artwork as
# the window's own icon.
set(VOSTREL_ICO "${PROJECT_BINARY_DIR}/vostrel.ico")
add_custom_command(OUTPUT "${VOSTREL_ICO}"
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:vostrel-icon> "${VOSTREL_ICO}"
    DEPENDS vostrel-icon
    COMMENT "Drawing the Windows program icon")
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/vostrel.rc.in" "${PROJECT_BINARY_DIR}/vostrel.rc" @ONLY)
set_source_files_properties("${PROJECT_BINARY_DIR}/vostrel.rc" PROPERTIES OBJECT_DEPENDS "${VOSTREL_ICO}")
target_sources(vostrel PRIVATE "${PROJECT_BINARY_DIR}/vostrel.rc")
set_target_properties(vostrel PROPERTIES WIN32_EXECUTABLE ON)
