# One library per source folder, built from every .cpp in it, so that adding a
# file needs no edit here. A folder with no sources yet is an interface library.
function(kelvora_module name dir)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    # A program's entry point belongs to its executable, never to a library others link.
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    set(target kelvora_${name})
    if(sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
        target_link_libraries(${target} PUBLIC ${ARGN})
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${target} INTERFACE ${ARGN})
    endif()
endfunction()

# One test program per tests/ folder, linked with the module it covers.
function(kelvora_tests name dir)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    if(NOT sources)
        return()
    endif()
    set(target test_${name})
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${ARGN} kelvora_testsupport GTest::gtest_main
                                            GTest::gmock)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT "KELVORA_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
