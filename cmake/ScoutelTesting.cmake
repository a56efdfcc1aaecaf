# scoutel_add_test(<name> SOURCES <files...> LIBS <targets...> [NETNS [NETWORKS <n>]])
# One Qt Test executable run by CTest. NETNS runs it inside a private network
# namespace: required for every test that opens an SCTL socket. NETWORKS adds
# n networks of their own there (sctlnet1 ... sctlnet<n>, see scripts/in-netns).
function(scoutel_add_test name)
    cmake_parse_arguments(ARG "NETNS" "NETWORKS" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    target_compile_definitions(${name} PRIVATE
        SCOUTEL_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
        SCOUTEL_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
    if(ARG_NETNS)
        target_link_libraries(${name} PRIVATE scoutel_netguard)
        set(networks)
        if(ARG_NETWORKS)
            set(networks --networks ${ARG_NETWORKS})
        endif()
        add_test(NAME ${name}
                 COMMAND ${PROJECT_SOURCE_DIR}/scripts/in-netns ${networks} $<TARGET_FILE:${name}>)
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
