# scoutel_add_test(<name> SOURCES <files...> LIBS <targets...> [NETNS])
# One Qt Test executable run by CTest. NETNS runs it inside a private network
# namespace: required for every test that opens an SCTL socket.
function(scoutel_add_test name)
    cmake_parse_arguments(ARG "NETNS" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    target_compile_definitions(${name} PRIVATE
        SCOUTEL_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
        SCOUTEL_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
    if(ARG_NETNS)
        target_link_libraries(${name} PRIVATE scoutel_netguard)
        add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/scripts/in-netns $<TARGET_FILE:${name}>)
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
