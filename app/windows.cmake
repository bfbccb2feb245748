# The window program: tarnwell.exe, its resources, and the Win32 shell in
# tarnwell_win that the Windows tests drive in process.

# The resource compiler is needed only here and by the Windows tests.
enable_language(RC)

# The resources as an object library, so that the test executable links the
# same menu, accelerators and icon as the program (a static library would
# drop them: nothing refers to a resource by symbol).
add_library(tarnwell_resources OBJECT ${PROJECT_SOURCE_DIR}/resources/tarnwell.rc)
target_include_directories(tarnwell_resources PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/resources)
# The project's compiler warnings are not resource compiler options.
set_property(TARGET tarnwell_resources PROPERTY COMPILE_OPTIONS "")
set_property(SOURCE ${PROJECT_SOURCE_DIR}/resources/tarnwell.rc APPEND PROPERTY OBJECT_DEPENDS
    ${PROJECT_SOURCE_DIR}/resources/tarnwell.ico
    ${PROJECT_SOURCE_DIR}/resources/tarnwell.manifest
    ${PROJECT_SOURCE_DIR}/app/command_ids.h)

target_compile_definitions(tarnwell_win PUBLIC NOMINMAX)
target_link_libraries(tarnwell_win PUBLIC user32 gdi32 comdlg32)

add_executable(tarnwell WIN32 main.cpp $<TARGET_OBJECTS:tarnwell_resources>)
target_link_libraries(tarnwell PRIVATE tarnwell_win tarnwell_core)

target_sources(tarnwell_win PRIVATE
    main_window.cpp
    document_lifetime.cpp
    commands.cpp
    edit_menu.cpp
    keyboard.cpp
    messages.cpp
    pending_commands.cpp)

# The manifest comes from the resources; MSVC's linker would add a second.
if(MSVC)
    target_link_options(tarnwell PRIVATE /MANIFEST:NO)
endif()
