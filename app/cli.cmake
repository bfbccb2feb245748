# tarnwell-cli, the headless companion: built natively and for Windows from
# the portable core alone.
add_library(tarnwell_cli STATIC ${CMAKE_CURRENT_LIST_DIR}/cli_run.cpp)
target_link_libraries(tarnwell_cli PUBLIC tarnwell_core)

add_executable(tarnwell-cli ${CMAKE_CURRENT_LIST_DIR}/cli_main.cpp)
target_link_libraries(tarnwell-cli PRIVATE tarnwell_cli)
if(MINGW)
    target_link_options(tarnwell-cli PRIVATE -static)
endif()

# tests/ is read after app/: once the whole tree is read, link the CLI into
# the native tests and run the built binary over the seed documents.
function(tarnwell_add_cli_tests)
    if(TARGET tarnwell_tests)
        target_link_libraries(tarnwell_tests PRIVATE tarnwell_cli)
        add_test(NAME tarnwell_cli_binary
                 COMMAND ${CMAKE_SOURCE_DIR}/tests/app/cli_binary_test.sh $<TARGET_FILE:tarnwell-cli>
                         ${CMAKE_SOURCE_DIR}/fuzz/corpus)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tarnwell_add_cli_tests)
