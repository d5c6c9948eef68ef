# The Windows cross build: its staging prefix and Wine as the runner of its programs.
# Included from the root CMakeLists when the target system is Windows and the build machine
# is not (a build on Windows itself needs none of this).

# Headers and GoogleTest come from the project's own staging prefix, filled on first use.
set(VOSTREL_WINDOWS_PREFIX "${PROJECT_SOURCE_DIR}/build/windows-prefix" CACHE PATH
    "Staging prefix with the cross build's headers and GoogleTest")
if(NOT EXISTS "${VOSTREL_WINDOWS_PREFIX}/.complete")
    message(STATUS "Filling the Windows staging prefix ${VOSTREL_WINDOWS_PREFIX}")
    execute_process(COMMAND "${PROJECT_SOURCE_DIR}/scripts/windows-prefix" "${VOSTREL_WINDOWS_PREFIX}"
        RESULT_VARIABLE _prefix_status)
    if(NOT _prefix_status EQUAL 0)
        message(FATAL_ERROR "scripts/windows-prefix failed (${_prefix_status})")
    endif()
endif()
list(APPEND CMAKE_FIND_ROOT_PATH "${VOSTREL_WINDOWS_PREFIX}")

# Tests and test discovery run the programs under Wine (cmake/wine-run), in a Wine prefix of this
# build folder, created once here: programs started side by side in a fresh prefix would each try
# to create it.
find_program(VOSTREL_WINE wine REQUIRED)
if(NOT EXISTS "${PROJECT_BINARY_DIR}/wine/system.reg")
    message(STATUS "Creating the Wine prefix ${PROJECT_BINARY_DIR}/wine")
    execute_process(COMMAND "${PROJECT_SOURCE_DIR}/cmake/wine-run" "${PROJECT_BINARY_DIR}/wine"
        wineboot --init OUTPUT_QUIET ERROR_QUIET)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_SOURCE_DIR}/cmake/wine-run" "${PROJECT_BINARY_DIR}/wine")

# The window links against Qt cross-built for MinGW-w64 by scripts/windows-qt, which prints its
# prefix (and builds it first if this machine has none); moc, uic and rcc are the build
# machine's own Qt tools of the same version.
if(VOSTREL_BUILD_GUI)
    if(NOT VOSTREL_WINDOWS_QT)
        message(STATUS "Asking scripts/windows-qt for the Windows Qt")
        execute_process(COMMAND "${PROJECT_SOURCE_DIR}/scripts/windows-qt"
            OUTPUT_VARIABLE _qt_output RESULT_VARIABLE _qt_status)
        string(STRIP "${_qt_output}" _qt_output)
        string(REGEX REPLACE ".*\n" "" _qt_prefix "${_qt_output}")
        if(NOT _qt_status EQUAL 0 OR NOT EXISTS "${_qt_prefix}/lib/cmake/Qt6/Qt6Config.cmake")
            message(FATAL_ERROR "scripts/windows-qt failed (${_qt_status}); no Qt for Windows at '${_qt_prefix}'")
        endif()
        set(VOSTREL_WINDOWS_QT "${_qt_prefix}" CACHE PATH "Qt 6 cross-built for MinGW-w64")
    endif()
    list(APPEND CMAKE_FIND_ROOT_PATH "${VOSTREL_WINDOWS_QT}")
    set(QT_HOST_PATH /usr CACHE PATH "The build machine's Qt, whose moc, uic and rcc the cross build runs")
    # Debian keeps the host Qt's CMake packages under the multiarch folder.
    execute_process(COMMAND gcc -print-multiarch OUTPUT_VARIABLE _multiarch OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(QT_HOST_PATH_CMAKE_DIR "/usr/lib/${_multiarch}/cmake" CACHE PATH "The host Qt's CMake packages")
    # Every program in one folder, which cmake/WindowsWindow.cmake fills with the DLLs and
    # plugins they load, as in the portable folder.
    set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}/bin")
endif()
