# The test programs: one Windows console program per file in tests/windows, run by CTest under wine64.
add_library(wintest STATIC ${VELORA_ROOT}/tests/windows/wintest.cpp)
target_include_directories(wintest PUBLIC ${VELORA_ROOT}/tests/windows)
target_compile_options(wintest PRIVATE ${strict_warnings})

# velora_win_test(<name> [TIMEOUT <s>] [LIBRARIES <targets...>]): tests/windows/<name>.cpp as a test program.
function(velora_win_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "LIBRARIES" ${ARGN})
  add_executable(${name} ${VELORA_ROOT}/tests/windows/${name}.cpp)
  target_link_libraries(${name} PRIVATE wintest velora_win32 ${T_LIBRARIES})
  target_compile_options(${name} PRIVATE ${strict_warnings})
  if(NOT VELORA_RUN_TESTS)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} SKIP_RETURN_CODE 77)
endfunction()

velora_win_test(tst_minidump)
velora_win_test(tst_windowactivation)
velora_win_test(tst_hidinterfaces)

# The version reader against this project's own resource, a resource with numbers wider than a
# byte, and a file without any resource.
velora_win_test(tst_fileversion)
velora_version_resource(tst_fileversion)
target_compile_definitions(tst_fileversion PRIVATE VELORA_PROJECT_VERSION="${PROJECT_VERSION}")
add_library(wideversion SHARED ${VELORA_ROOT}/tests/windows/emptydll.c)
velora_version_resource(wideversion VERSION 65535.1.300.4097 DESCRIPTION "Velora version reader test")
add_library(noversion SHARED ${VELORA_ROOT}/tests/windows/emptydll.c)
set_target_properties(wideversion noversion PROPERTIES PREFIX "")
add_dependencies(tst_fileversion wideversion noversion)
