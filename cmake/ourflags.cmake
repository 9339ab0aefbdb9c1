# Flags for the project's own targets: strict warnings, and Russian literals written in UTF-8
# source but emitted as Windows-1251 bytes, the program's code page everywhere inside it.
function(quillmap_flags target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /source-charset:utf-8 /execution-charset:windows-1251)
    else()
        # Only for C and C++: a target's resource script goes to windres, which knows none of them.
        set(flags -Wall -Wextra -Werror -finput-charset=UTF-8 -fexec-charset=CP1251)
        target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:C,CXX>:${flags}>")
        # GCC 12 at -O3 reports overlapping copies inside std::string's operator+ that cannot
        # happen (GCC bug 105651, mended in 13); with -Werror it stops Release builds.
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
           AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:C,CXX>:-Wno-restrict>)
        endif()
    endif()
endfunction()
