# Flags for the project's own targets: strict warnings, and Russian literals written in UTF-8
# source but emitted as Windows-1251 bytes, the program's code page everywhere inside it.
function(quillmap_flags target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /source-charset:utf-8 /execution-charset:windows-1251)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
            -finput-charset=UTF-8 -fexec-charset=CP1251)
    endif()
endfunction()
