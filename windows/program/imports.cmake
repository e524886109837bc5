# Reading a Windows program's import table with MinGW's objdump, shared by the deploy and the check.

# The DLLs of Windows itself that a shipped file may import; everything else must be shipped.
# (The Media Foundation ones, mf.dll and mfplat.dll, are missing from the N editions without the media
# feature pack; Qt then leaves the DirectShow playback plugin unloaded.)
set(VELORA_SYSTEM_DLLS
  advapi32.dll comdlg32.dll crypt32.dll d3d11.dll d3d9.dll dbghelp.dll dnsapi.dll dwmapi.dll dwrite.dll
  dxgi.dll dxva2.dll evr.dll gdi32.dll hid.dll imm32.dll iphlpapi.dll kernel32.dll mf.dll mfplat.dll
  mpr.dll msvcrt.dll netapi32.dll ole32.dll oleaut32.dll opengl32.dll setupapi.dll shell32.dll
  shlwapi.dll user32.dll userenv.dll uxtheme.dll version.dll winmm.dll winspool.drv ws2_32.dll
  wtsapi32.dll)

# velora_imports(<file> <out var>): the lower-case names of the DLLs <file> imports.
function(velora_imports file out)
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "objdump cannot read ${file}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
  set(names)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "DLL Name: " "" name "${line}")
    string(STRIP "${name}" name)
    string(TOLOWER "${name}" name)
    list(APPEND names ${name})
  endforeach()
  list(REMOVE_DUPLICATES names)
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# velora_shipped_binaries(<folder> <out var>): every .exe, .com and .dll below <folder>.
function(velora_shipped_binaries folder out)
  file(GLOB_RECURSE files ${folder}/*.exe ${folder}/*.com ${folder}/*.dll)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# velora_check_imports(<folder>): fails unless every .exe and .dll below <folder> imports only DLLs
# shipped in <folder> itself (where Windows looks first) or DLLs of the system.
function(velora_check_imports folder)
  file(GLOB shipped RELATIVE ${folder} ${folder}/*.dll)
  string(TOLOWER "${shipped}" shipped)
  velora_shipped_binaries(${folder} binaries)
  set(problems)
  foreach(binary IN LISTS binaries)
    velora_imports(${binary} names)
    foreach(name IN LISTS names)
      if(NOT name IN_LIST shipped AND NOT name IN_LIST VELORA_SYSTEM_DLLS)
        file(RELATIVE_PATH where ${folder} ${binary})
        list(APPEND problems "${where} imports ${name}")
      endif()
    endforeach()
  endforeach()
  if(problems)
    string(REPLACE ";" "\n  " problems "${problems}")
    message(FATAL_ERROR "${folder}: DLLs neither shipped nor the system's:\n  ${problems}")
  endif()
  list(LENGTH binaries count)
  message(STATUS "${folder}: the imports of ${count} programs and DLLs are all shipped or the system's")
endfunction()
