# One place for the language standard, warnings and sanitizers of every target.
add_library(vostrel_options INTERFACE)
target_compile_features(vostrel_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
# The warnings every target of the project is built with, and -Werror so that none
# stays. Qt, GoogleTest and the other libraries come in as imported targets, whose
# headers are system headers and so stay out of it.
target_compile_options(vostrel_options INTERFACE
    -Wall -Wextra -Wcast-qual -Wcast-align -Winvalid-pch -Woverloaded-virtual -Wold-style-cast
    -Wnon-virtual-dtor -Wshadow -pedantic -pedantic-errors -Werror)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(vostrel_options INTERFACE -Wstrict-null-sentinel)
endif()
# MinGW's GCC reads and writes the sources' texts (umlauts, "§") as UTF-8 whatever the locale.
if(WIN32)
    target_compile_options(vostrel_options INTERFACE -finput-charset=UTF-8 -fexec-charset=UTF-8)
endif()
target_compile_definitions(vostrel_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(VOSTREL_SANITIZE)
    target_compile_options(vostrel_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(vostrel_options INTERFACE -fsanitize=address,undefined)
    # GCC 12 reports uninitialised reads inside std::function and std::regex
    # that only the sanitizer instrumentation makes it believe in.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(vostrel_options INTERFACE -Wno-maybe-uninitialized)
    endif()
endif()
if(VOSTREL_FUZZ)
    target_compile_options(vostrel_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
    target_link_options(vostrel_options INTERFACE -fsanitize=address,undefined)
endif()
