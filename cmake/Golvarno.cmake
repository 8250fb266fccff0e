# golvarno_library(<folder> <deps...> [PRIVATE <deps...>])
# Builds src/<folder>/*.cpp (and its .qrc files) into the static library golvarno_<folder>.
# The deps before PRIVATE are the ones its headers expose (its users build against them too); those
# after PRIVATE only its sources use. A folder that holds no source yet makes no library.
function(golvarno_library folder)
    cmake_parse_arguments(L "" "" "PRIVATE" ${ARGN})
    file(GLOB _src CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp
        ${PROJECT_SOURCE_DIR}/src/${folder}/*.h
        ${PROJECT_SOURCE_DIR}/src/${folder}/*.qrc)
    set(_target golvarno_${folder})
    list(FILTER _src INCLUDE REGEX "\\.(cpp|qrc)$|\\.h$")
    set(_has_cpp FALSE)
    foreach(f ${_src})
        if(f MATCHES "\\.cpp$")
            set(_has_cpp TRUE)
        endif()
    endforeach()
    if(NOT _has_cpp)
        return()
    endif()
    add_library(${_target} STATIC ${_src})
    target_include_directories(${_target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${_target} PUBLIC ${L_UNPARSED_ARGUMENTS} PRIVATE ${L_PRIVATE})
    if(NOT folder STREQUAL "platform" AND NOT folder STREQUAL "core" AND NOT folder STREQUAL "shell")
        set(GOLVARNO_FEATURE_LIBS ${GOLVARNO_FEATURE_LIBS} ${_target} PARENT_SCOPE)
    endif()
endfunction()

# golvarno_add_test(<name> SOURCES <files...> LIBS <libs...>)
# A Qt Test executable run offscreen, with a private runtime folder and a time limit.
function(golvarno_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
    target_link_libraries(${name} PRIVATE golvarno_test_support ${T_LIBS} Qt6::Test)
    set(_rt ${CMAKE_BINARY_DIR}/tests/runtime/${name})
    file(MAKE_DIRECTORY ${_rt})
    file(CHMOD ${_rt} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    add_test(NAME ${name} COMMAND ${name})
    set(_env "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${_rt};LC_ALL=C.UTF-8")
    if(GOLVARNO_SANITIZE)
        # The first report of either sanitizer ends the test with a failure.
        list(APPEND _env "ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_leaks=1:strict_string_checks=1"
                         "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${_env}")
endfunction()

# golvarno_tests(<folder> <libs...>): every tests/<folder>/tst_*.cpp is one test executable.
function(golvarno_tests folder)
    file(GLOB _tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${folder}/tst_*.cpp)
    foreach(t ${_tests})
        get_filename_component(_name ${t} NAME_WE)
        golvarno_add_test(${_name} SOURCES ${t} LIBS ${ARGN})
    endforeach()
endfunction()
