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
