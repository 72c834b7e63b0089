# Project-wide compiler settings shared by every library, test and tool.

add_compile_options(-Wall -Wextra -Wpedantic)
# Floating-point rules matter for the read-outs: never let fast-math in.
add_compile_options(-fno-fast-math -ffp-contract=off)

if(LUMENARY_SANITIZE)
    set(_san -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
             -fno-omit-frame-pointer)
    add_compile_options(${_san})
    add_link_options(${_san})
endif()

# lumenary_test(NAME source... LIBS lib...): one QtTest executable registered with CTest,
# run headless on the offscreen platform.
function(lumenary_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
        TIMEOUT 300)
endfunction()
