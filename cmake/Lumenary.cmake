# Project-wide compiler settings shared by every library, test and tool.

add_compile_options(-Wall -Wextra -Wpedantic)
# Floating-point rules matter for the read-outs: never let fast-math in.
add_compile_options(-fno-fast-math -ffp-contract=off)
# A double quietly turned into an integer or a float is how a field's 1e300 becomes undefined
# behaviour; such conversions are written out (floorToInteger for a field's number).
add_compile_options(-Werror=float-conversion)

# Every translation unit sees the build guards (no fast-math), moc's output included.
add_compile_options(-include ${PROJECT_SOURCE_DIR}/cmake/build_guards.h)

# The sanitizer build: AddressSanitizer with leak detection and UndefinedBehaviorSanitizer, with
# float-cast-overflow (not in GCC's undefined set) so that a count field holding 1e300 is caught.
# Every error ends the run.
set(LUMENARY_SANITIZER_ENV "")
if(LUMENARY_SANITIZE)
    set(_san -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
             -fno-omit-frame-pointer)
    add_compile_options(${_san})
    add_link_options(${_san})
    set(LUMENARY_SANITIZER_ENV
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0")
endif()

# lumenary_test(NAME source... LIBS lib...): one QtTest executable registered with CTest,
# run headless on the offscreen platform.
function(lumenary_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;${LUMENARY_SANITIZER_ENV}"
        TIMEOUT 300)
endfunction()

# lumenary_windows(lib...): libraries holding windows of the table of labs; app/ links every one,
# so that a lab adds itself from its own folder.
function(lumenary_windows)
    set_property(GLOBAL APPEND PROPERTY LUMENARY_WINDOW_LIBS ${ARGN})
endfunction()

# lumenary_subfolders(dir): adds every folder directly below dir that has a CMakeLists.txt, in
# name order, so that a new lab's folder (and its tests' folder) needs no line elsewhere.
function(lumenary_subfolders dir)
    file(GLOB _children LIST_DIRECTORIES true CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*)
    list(SORT _children)
    foreach(_child IN LISTS _children)
        if(EXISTS ${_child}/CMakeLists.txt)
            add_subdirectory(${_child})
        endif()
    endforeach()
endfunction()
