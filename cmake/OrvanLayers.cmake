# orvan_layer(name DEPS ...) makes the library orvan_<name> from src/<name>/*.cpp.
# A layer with no sources yet is an INTERFACE library so its dependants still link.
function(orvan_layer name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    set(dir "${PROJECT_SOURCE_DIR}/src/${name}")
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp")
    if(sources)
        add_library(orvan_${name} STATIC ${sources})
        target_include_directories(orvan_${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
        target_link_libraries(orvan_${name} PUBLIC ${ARG_DEPS})
        target_compile_definitions(orvan_${name} PRIVATE
            ORVAN_DATA_DIR="${ORVAN_SOURCE_DATA_DIR}"
            ORVAN_INSTALLED_DATA_RELATIVE="${ORVAN_INSTALLED_DATA_RELATIVE}"
            ORVAN_VERSION="${PROJECT_VERSION}")
    else()
        add_library(orvan_${name} INTERFACE)
        target_include_directories(orvan_${name} INTERFACE "${PROJECT_SOURCE_DIR}/src")
        target_link_libraries(orvan_${name} INTERFACE ${ARG_DEPS})
    endif()
endfunction()

# orvan_layer_tests(name) makes one GoogleTest binary per layer from tests/<name>/*.cpp.
function(orvan_layer_tests name)
    set(dir "${PROJECT_SOURCE_DIR}/tests/${name}")
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp")
    if(NOT sources)
        return()
    endif()
    add_executable(orvan_${name}_tests ${sources})
    target_link_libraries(orvan_${name}_tests PRIVATE ${ARGN} GTest::gtest_main GTest::gmock)
    target_include_directories(orvan_${name}_tests PRIVATE "${PROJECT_SOURCE_DIR}/tests")
    target_compile_definitions(orvan_${name}_tests PRIVATE
        ORVAN_DATA_DIR="${PROJECT_SOURCE_DIR}/data"
        ORVAN_TEST_DIR="${PROJECT_SOURCE_DIR}/tests")
    gtest_discover_tests(orvan_${name}_tests DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
