# Small helpers shared by the folders' CMakeLists.

# salvenor_add_test(NAME name SOURCES ... LIBS ... [QT])
# One GoogleTest executable, registered with CTest through test discovery. Qt tests run on the
# offscreen platform (their main sets it when unset) with a private runtime folder.
function(salvenor_add_test)
    cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gmock)
    if(T_QT)
        target_link_libraries(${T_NAME} PRIVATE salvenor_qt_test_main Qt6::Test)
    else()
        target_link_libraries(${T_NAME} PRIVATE GTest::gmock_main)
    endif()
    target_compile_definitions(${T_NAME} PRIVATE
        SALVENOR_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
        SALVENOR_STAGE_DIR="${SALVENOR_STAGE_DIR}")
    gtest_discover_tests(${T_NAME}
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime")
endfunction()

# salvenor_stage_program(target): the executable is built into the staged installation folder.
function(salvenor_stage_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${SALVENOR_STAGE_DIR}")
    install(TARGETS ${target} RUNTIME DESTINATION "${SALVENOR_INSTALL_DIR}")
endfunction()
