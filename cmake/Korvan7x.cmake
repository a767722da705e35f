# Helpers shared by the subsystem folders.

# A library of one subsystem, built from every .cpp of the folder given.
function(k7x_library target dir)
    file(GLOB _sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    add_library(${target} STATIC ${_sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# A program that ships: built into the staged program folder, installed beside its peers and
# linked into <prefix>/bin. The link is relative, so the installed tree can move (a package's
# scratch root, DESTDIR); the program finds its data files from its real location.
function(k7x_program target)
    set_target_properties(${target} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${K7X_STAGE_PROGRAM}
        INSTALL_RPATH "$ORIGIN")
    install(TARGETS ${target} RUNTIME DESTINATION ${K7X_INSTALL_ROOT}/${K7X_VERSION_DIR})
    set(_link ${CMAKE_BINARY_DIR}/bin-links/${target})
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/bin-links)
    file(CREATE_LINK ../${K7X_INSTALL_ROOT}/${K7X_VERSION_DIR}/${target} ${_link} SYMBOLIC)
    install(FILES ${_link} DESTINATION bin)
endfunction()

# Test programs build unoptimised and without debug info: they compile about twice as fast,
# and the code they test is built with the project's own flags in its libraries.
function(k7x_test_program target)
    target_compile_options(${target} PRIVATE -O0 -g0)
endfunction()
