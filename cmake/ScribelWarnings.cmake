# Warnings and Qt string-safety settings for the project's own code, in one target
# that every library, program and test links.
add_library(scribel_warnings INTERFACE)
target_compile_options(scribel_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor
    -Woverloaded-virtual -Wcast-qual -Wformat=2)
if(SCRIBEL_WERROR)
    target_compile_options(scribel_warnings INTERFACE -Werror)
endif()
target_compile_definitions(scribel_warnings INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH
    QT_NO_KEYWORDS
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)

if(SCRIBEL_SANITIZE)
    target_compile_options(scribel_warnings INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(scribel_warnings INTERFACE -fsanitize=address,undefined)
endif()
