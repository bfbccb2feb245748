# tarnwell-cli, the headless companion: built natively and for Windows from
# the portable core alone.
add_library(tarnwell_cli STATIC ${CMAKE_CURRENT_LIST_DIR}/cli_run.cpp)
target_link_libraries(tarnwell_cli PUBLIC tarnwell_core)

add_executable(tarnwell-cli ${CMAKE_CURRENT_LIST_DIR}/cli_main.cpp)
target_link_libraries(tarnwell-cli PRIVATE tarnwell_cli)

# tests/ is read after app/: once the whole tree is read, link the CLI into
# the native tests, and run the built program over the seed documents (under
# the emulator when cross-compiled).
function(tarnwell_add_cli_tests)
    if(TARGET tarnwell_tests)
        target_link_libraries(tarnwell_tests PRIVATE tarnwell_cli)
    endif()
    if(TARNWELL_TESTS AND (NOT WIN32 OR CMAKE_CROSSCOMPILING_EMULATOR))
        add_test(NAME tarnwell_cli_binary
                 COMMAND ${CMAKE_SOURCE_DIR}/tests/app/cli_binary_test.sh ${CMAKE_SOURCE_DIR}/fuzz/corpus
                         ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:tarnwell-cli>)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tarnwell_add_cli_tests)
