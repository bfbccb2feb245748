# tarnwell-cli, the headless companion: built natively and for Windows from
# the portable core alone.
add_library(tarnwell_cli STATIC ${CMAKE_CURRENT_LIST_DIR}/cli_run.cpp)
target_link_libraries(tarnwell_cli PUBLIC tarnwell_core)

add_executable(tarnwell-cli ${CMAKE_CURRENT_LIST_DIR}/cli_main.cpp)
target_link_libraries(tarnwell-cli PRIVATE tarnwell_cli)
