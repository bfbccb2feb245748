# tarnwell.exe and its resources, which the Windows tests link too.

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

add_executable(tarnwell WIN32 main.cpp $<TARGET_OBJECTS:tarnwell_resources>)
target_link_libraries(tarnwell PRIVATE tarnwell_app)

# The manifest comes from the resources; MSVC's linker would add a second.
if(MSVC)
    target_link_options(tarnwell PRIVATE /MANIFEST:NO)
endif()
