# vostrel-menu: checks menu files and prints their pages. Included from the root CMakeLists.
#
# Run with `cmake -P` this same file compares one run of the tool with its expected output; the
# output tests below use it that way, so the comparison needs no shell and no second script.

if(CMAKE_SCRIPT_MODE_FILE AND DEFINED REPAIRED)
    # -DTOOL=… -DINPUT=menu -DREPAIRED=expected repaired menu -DOUT=scratch file -DEXIT=status:
    # `fix --output` must write exactly the repaired menu, and fixing that again changes nothing.
    foreach(round 1 2)
        execute_process(COMMAND ${TOOL} fix ${INPUT} --output ${OUT}.${round}
            OUTPUT_VARIABLE output ERROR_VARIABLE stderr RESULT_VARIABLE status)
        if(NOT status STREQUAL EXIT)
            message(FATAL_ERROR "round ${round}: exit status ${status}, expected ${EXIT}\n${stderr}${output}")
        endif()
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}.${round} ${REPAIRED}
            RESULT_VARIABLE differs)
        if(differs)
            message(FATAL_ERROR "round ${round}: ${OUT}.${round} differs from ${REPAIRED}")
        endif()
        set(INPUT ${OUT}.${round})
    endforeach()
    return()
endif()

if(CMAKE_SCRIPT_MODE_FILE)
    # -DTOOL=… -DARGS=a;b;… -DEXIT=status and either -DEXPECTED=file (the whole output) or
    # -DRULES=a;b;… (the rule names of the findings of `check --json`, as a set). TOOL may
    # start with the program that runs it (Wine, for a Windows build). -DCRLF=ON: the console
    # output ends its lines with CR LF, as on Windows, and is compared as if it ended them with LF.
    execute_process(COMMAND ${TOOL} ${ARGS}
        OUTPUT_VARIABLE actual
        ERROR_VARIABLE stderr
        RESULT_VARIABLE status)
    if(CRLF)
        string(REPLACE "\r\n" "\n" actual "${actual}")
    endif()
    if(NOT status STREQUAL EXIT)
        message(FATAL_ERROR "exit status ${status}, expected ${EXIT}\n${stderr}${actual}")
    endif()
    if(DEFINED RULES)
        set(found "")
        string(JSON count LENGTH "${actual}")
        if(count GREATER 0)
            math(EXPR last "${count} - 1")
            foreach(i RANGE ${last})
                string(JSON rule GET "${actual}" ${i} rule)
                list(APPEND found ${rule})
            endforeach()
        endif()
        list(REMOVE_DUPLICATES found)
        list(SORT found)
        set(expected "${RULES}")
        list(SORT expected)
        if(NOT "${found}" STREQUAL "${expected}")
            message(FATAL_ERROR "rules found: ${found}\nrules expected: ${expected}\n${actual}")
        endif()
        return()
    endif()
    file(READ ${EXPECTED} expected)
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "output differs from ${EXPECTED}:\n---- actual\n${actual}---- expected\n${expected}")
    endif()
    return()
endif()

set(_vostrel_menu_root ${CMAKE_CURRENT_LIST_DIR}/..)

file(GLOB VOSTREL_MENU_TOOL_SOURCES CONFIGURE_DEPENDS ${_vostrel_menu_root}/src/cli/menu/*.cpp)
add_library(vostrel_menu_tool STATIC ${VOSTREL_MENU_TOOL_SOURCES})
target_link_libraries(vostrel_menu_tool PUBLIC vostrel_core nlohmann_json::nlohmann_json CLI11::CLI11)
add_executable(vostrel-menu ${_vostrel_menu_root}/src/cli/menu_main.cpp)
target_link_libraries(vostrel-menu PRIVATE vostrel_menu_tool)
vostrel_tool_main(vostrel-menu)

if(VOSTREL_BUILD_TESTS)
    enable_testing()
    find_package(GTest REQUIRED)
    include(GoogleTest)

    # In-process tests of the commands.
    file(GLOB VOSTREL_MENU_TOOL_TEST_SOURCES CONFIGURE_DEPENDS
        ${_vostrel_menu_root}/tests/menu_tool/*Test.cpp)
    add_executable(vostrel_menu_tool_tests ${VOSTREL_MENU_TOOL_TEST_SOURCES})
    target_link_libraries(vostrel_menu_tool_tests PRIVATE vostrel_menu_tool GTest::gtest_main)
    target_compile_definitions(vostrel_menu_tool_tests PRIVATE
        VOSTREL_CHECK_DATA_DIR="${_vostrel_menu_root}/tests/check")
    gtest_discover_tests(vostrel_menu_tool_tests TEST_PREFIX "menu_tool." DISCOVERY_TIMEOUT 60)

    # Runs the tool itself, under the cross build's emulator where there is one.
    set(_tool "$<TARGET_FILE:vostrel-menu>")
    if(CMAKE_CROSSCOMPILING_EMULATOR)
        set(_tool "${CMAKE_CROSSCOMPILING_EMULATOR};${_tool}")
    endif()
    set(_crlf OFF)
    if(WIN32)
        set(_crlf ON)
    endif()

    # The tool itself on the menus in tests/check, output compared byte for byte. The tests run
    # inside tests/check and name the menus relative to it, so the expected outputs hold no
    # path of the checkout.
    set(_check ${_vostrel_menu_root}/tests/check)
    function(vostrel_menu_output_test name exit expected)
        add_test(NAME menu_tool.output.${name}
            COMMAND ${CMAKE_COMMAND} "-DTOOL=${_tool}" "-DARGS=${ARGN}" -DCRLF=${_crlf}
                -DEXPECTED=${_check}/${expected} -DEXIT=${exit}
                -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
            WORKING_DIRECTORY ${_check})
    endfunction()
    vostrel_menu_output_test(check_example_clean 0 empty.txt check example_de.mnu)
    vostrel_menu_output_test(check_worked_example 0 worked_example.check.txt
        check worked_example.mnu)
    vostrel_menu_output_test(check_hand_edited_en 1 hand_edited.check.en.txt
        check hand_edited.mnu)
    vostrel_menu_output_test(check_hand_edited_de 1 hand_edited.check.de.txt
        check --lang de hand_edited.mnu)
    vostrel_menu_output_test(check_hand_edited_fr_json 1 hand_edited.check.fr.json
        check --json --lang fr hand_edited.mnu)
    vostrel_menu_output_test(check_missing_file 2 empty.txt check no_such_file.mnu)
    vostrel_menu_output_test(show_example_de 0 example_de.show.de.txt
        show --lang de example_de.mnu)
    vostrel_menu_output_test(show_example_page3_en 0 example_de.show.page3.en.txt
        show --page 3 example_de.mnu)
    vostrel_menu_output_test(show_hand_edited_fr 0 hand_edited.show.fr.txt
        show --lang fr hand_edited.mnu)
    vostrel_menu_output_test(show_missing_page 1 empty.txt show --page 9 example_de.mnu)
    vostrel_menu_output_test(bad_language 2 empty.txt check --lang it example_de.mnu)

    # A menu named with "ä", "ř" and blanks in a folder named so, given by its absolute path:
    # the name arrives whole (on Windows through the wide main, and a leading "/" is no
    # option there) and comes back in UTF-8, as text and as JSON.
    set(_named "${CMAKE_CURRENT_BINARY_DIR}/Menüs ä ř/hand edited ř.mnu")
    configure_file(${_check}/hand_edited.mnu ${_named} COPYONLY)
    foreach(expected hand_edited.check.en.txt hand_edited.check.fr.json)
        file(READ ${_check}/${expected} _output)
        string(REPLACE "hand_edited.mnu" "${_named}" _output "${_output}")
        file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/named.${expected}" "${_output}")
    endforeach()
    add_test(NAME menu_tool.output.check_named_with_accents
        COMMAND ${CMAKE_COMMAND} "-DTOOL=${_tool}" "-DARGS=check;${_named}" -DCRLF=${_crlf}
            -DEXPECTED=${CMAKE_CURRENT_BINARY_DIR}/named.hand_edited.check.en.txt -DEXIT=1
            -P ${CMAKE_CURRENT_LIST_FILE})
    add_test(NAME menu_tool.output.check_named_with_accents_json
        COMMAND ${CMAKE_COMMAND} "-DTOOL=${_tool}" "-DARGS=check;--json;--lang;fr;${_named}"
            -DCRLF=${_crlf} -DEXPECTED=${CMAKE_CURRENT_BINARY_DIR}/named.hand_edited.check.fr.json
            -DEXIT=1 -P ${CMAKE_CURRENT_LIST_FILE})

    function(vostrel_menu_fix_test name menu repaired exit)
        add_test(NAME menu_tool.fix.${name}
            COMMAND ${CMAKE_COMMAND} "-DTOOL=${_tool}" -DINPUT=${menu}
                -DREPAIRED=${repaired} -DOUT=${CMAKE_CURRENT_BINARY_DIR}/fix.${name}.mnu -DEXIT=${exit}
                -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE})
    endfunction()

    # tests/check/rules holds one faulty menu per rule, named after the rule and otherwise
    # correct: the check must report that rule and no other, and fail the file unless the rule
    # only warns. (A unit test sees to it that every rule has its menu.)
    set(_warning_rules missing-line-end name-case unknown-command utf8-as-windows-1252 empty-page
        menu-preferences-without-settings settings-unreachable)
    # A settings block can only stand before the main block when the first line is not the
    # main block head, so that menu necessarily brings both findings.
    set(_also_settings-before-main first-line-not-main-block)
    file(GLOB _rule_menus CONFIGURE_DEPENDS ${_check}/rules/*.mnu)
    foreach(menu IN LISTS _rule_menus)
        get_filename_component(rule ${menu} NAME_WE)
        set(exit 1)
        if(rule IN_LIST _warning_rules)
            set(exit 0)
        endif()
        set(rules ${rule} ${_also_${rule}})
        add_test(NAME menu_tool.rule.${rule}
            COMMAND ${CMAKE_COMMAND} "-DTOOL=${_tool}" "-DARGS=check;--json;${rule}.mnu"
                "-DRULES=${rules}" -DEXIT=${exit} -P ${CMAKE_CURRENT_LIST_FILE}
            WORKING_DIRECTORY ${_check}/rules)

        # `fix` on the same menu: the repaired form in tests/check/repairs where the rule has a
        # repair, else the menu untouched, byte for byte.
        set(repaired ${_check}/repairs/${rule}.repaired.mnu)
        if(EXISTS ${repaired})
            set(exit 0)
        else()
            set(repaired ${menu})
        endif()
        vostrel_menu_fix_test(${rule} ${menu} ${repaired} ${exit})
    endforeach()
    # Repairs that need a menu of their own, beside the rule's faulty menu.
    file(GLOB _repair_menus CONFIGURE_DEPENDS ${_check}/repairs/*.mnu)
    list(FILTER _repair_menus EXCLUDE REGEX "\\.repaired\\.mnu$")
    foreach(menu IN LISTS _repair_menus)
        get_filename_component(name ${menu} NAME_WE)
        vostrel_menu_fix_test(own.${name} ${menu} ${_check}/repairs/${name}.repaired.mnu 0)
    endforeach()
endif()
