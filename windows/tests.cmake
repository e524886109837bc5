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
velora_win_test(tst_commandexchange)
velora_win_test(tst_win32hid)
velora_win_test(tst_win32audioinput)

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

# A fixture DLL under the vendor library's name, beside the binding's test program, and copies that
# each lack one entry point, in folders of their own under the same file name.
function(velora_standin_dll target folder)
  add_library(${target} SHARED ${VELORA_ROOT}/tests/windows/vendorfixture.cpp)
  target_include_directories(${target} PRIVATE ${VELORA_ROOT})
  target_compile_options(${target} PRIVATE ${strict_warnings})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME DLL3S_UsbAudio16xx_x32
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${folder})
  # Renaming an entry point's symbol leaves the DLL without that name.
  foreach(absent ${ARGN})
    target_compile_definitions(${target} PRIVATE DLL3S_${absent}=absent_${absent})
  endforeach()
endfunction()
velora_standin_dll(vendor_standin .)
velora_standin_dll(vendor_standin_complete complete)
velora_standin_dll(vendor_standin_lacking_first lacking-first DumpDevices_Debug)
velora_standin_dll(vendor_standin_lacking_chipinformation lacking-chipinformation GetChipInformation)
velora_standin_dll(vendor_standin_lacking_last lacking-last TwoByte_I2C_Read_ById)

velora_win_test(tst_vendorlibrary)
add_dependencies(tst_vendorlibrary vendor_standin vendor_standin_complete vendor_standin_lacking_first
  vendor_standin_lacking_chipinformation vendor_standin_lacking_last)

# The export table itself, read on the build machine, so that the 32-bit DLL (which cannot run here)
# is checked too: exactly the entry points, under the plain names the binding asks for.
add_test(NAME standin_exports COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${VELORA_MINGW_TRIPLET}-objdump
  -DDLL=$<TARGET_FILE:vendor_standin> -DENTRIES=${VELORA_ROOT}/device/vendorentrypoints.h
  -P ${CMAKE_CURRENT_SOURCE_DIR}/checkexports.cmake)
