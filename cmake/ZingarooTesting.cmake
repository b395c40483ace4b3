# Helpers that register tests with ctest, each with its own private environment.
find_package(GTest REQUIRED)
find_package(Qt6 REQUIRED COMPONENTS Test)
include(GoogleTest)

# Qt needs a private runtime folder; tests also get their own config and data folders so
# they never read or write the player's settings and scores, and speak the program's own English
# whatever the desktop's language.
set(ZINGAROO_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${ZINGAROO_TEST_RUNTIME_DIR} ${CMAKE_BINARY_DIR}/test-config
    ${CMAKE_BINARY_DIR}/test-data)
file(CHMOD ${ZINGAROO_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ZINGAROO_TEST_ENV
    "QT_QPA_PLATFORM=offscreen"
    "SDL_AUDIODRIVER=dummy"
    "XDG_RUNTIME_DIR=${ZINGAROO_TEST_RUNTIME_DIR}"
    "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config"
    "XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data"
    "LANG=C.UTF-8" "LANGUAGE=" "LC_ALL=" "LC_MESSAGES=")

# zingaroo_add_gtest(<target> SOURCES ... LIBS ...): a GoogleTest executable whose
# cases are listed one by one in ctest, each under the executable's name.
function(zingaroo_add_gtest target)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    # gtest_discover_tests flattens a list-valued ENVIRONMENT property to its
    # first entry, so the environment is given through "cmake -E env" instead;
    # it then also applies while the cases are being listed.
    set_target_properties(${target} PROPERTIES
        CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${ZINGAROO_TEST_ENV}")
    gtest_discover_tests(${target} TEST_PREFIX ${target}. DISCOVERY_TIMEOUT 60)
endfunction()

# zingaroo_add_qttest(<target> SOURCES ... LIBS ...): a Qt Test executable run
# offscreen as one ctest entry.
function(zingaroo_add_qttest target)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${target} ${ARG_SOURCES})
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} Qt6::Test)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES ENVIRONMENT "${ZINGAROO_TEST_ENV}" TIMEOUT 300)
endfunction()
