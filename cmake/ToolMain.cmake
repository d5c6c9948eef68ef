# The command-line tools start through a wide main on Windows, which hands the arguments on in
# UTF-8 and switches the console to UTF-8 (see src/cli/Utf8Main.h).
set(_vostrel_tool_main_dir ${CMAKE_CURRENT_LIST_DIR}/../src/cli)

function(vostrel_tool_main target)
    if(WIN32)
        target_sources(${target} PRIVATE ${_vostrel_tool_main_dir}/Utf8MainWindows.cpp)
        target_link_options(${target} PRIVATE -municode)
    endif()
endfunction()
