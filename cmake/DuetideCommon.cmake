# Settings every Duetide target shares, carried by one INTERFACE target so that
# the library, the program, the tests and the benchmarks cannot drift apart.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

add_library(duetide_common INTERFACE)

target_compile_definitions(duetide_common INTERFACE
    QT_DISABLE_DEPRECATED_BEFORE=0x060400
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_KEYWORDS
    QT_NO_URL_CAST_FROM_STRING
)

target_compile_options(duetide_common INTERFACE
    -Wall -Wextra -Wpedantic
    -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual
    $<$<BOOL:${DUETIDE_WERROR}>:-Werror>
)

if(DUETIDE_SANITIZE)
    set(duetide_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    target_compile_options(duetide_common INTERFACE ${duetide_sanitizers})
    target_link_options(duetide_common INTERFACE ${duetide_sanitizers})
endif()
