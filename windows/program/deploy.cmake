# cmake -DEXE=<velora.exe> -DCONSOLE=<velora.com> -DOUT=<folder> -DQT_PREFIX=<Qt for Windows> -DOBJDUMP=<objdump> -DSTRIP=<strip>
#       -DSCANNER=<qmlimportscanner> -DQML_ROOTS=<folders> -DPLUGINS=<plugins/...> -DRUNTIME_DLLS=<dlls>
#       -P deploy.cmake
# Makes the deploy folder: the program and its console companion, the Qt plugins it loads, the QML modules its scene imports,
# a qt.conf that points Qt at them, and every DLL these import that Qt or the compiler's runtime
# provides; then checks the import tables of all of it.
cmake_minimum_required(VERSION 3.19)
include(${CMAKE_CURRENT_LIST_DIR}/imports.cmake)

# The compiler's runtime comes with its debug information (two thirds of the folder's size), and its
# start-up code brings some into the program, with the build machine's header paths.
function(strip_debug file)
  execute_process(COMMAND ${STRIP} --strip-debug ${file} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${STRIP} cannot strip ${file}")
  endif()
endfunction()

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
file(COPY ${EXE} DESTINATION ${OUT})
get_filename_component(exe_name ${EXE} NAME)
strip_debug(${OUT}/${exe_name})
file(COPY ${CONSOLE} DESTINATION ${OUT})
get_filename_component(console_name ${CONSOLE} NAME)
strip_debug(${OUT}/${console_name})
foreach(plugin IN LISTS PLUGINS)
  get_filename_component(folder ${plugin} DIRECTORY)
  file(COPY ${QT_PREFIX}/plugins/${plugin} DESTINATION ${OUT}/plugins/${folder})
endforeach()

# copy_module(<module folder> <destination>): the module's own files, without the modules nested
# in it (the styles inside QtQuick/Controls.2 are modules of their own that the scene does not use).
function(copy_module from to)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${from} ${from}/*)
  file(GLOB_RECURSE nested_qmldirs RELATIVE ${from} ${from}/*/qmldir)
  foreach(qmldir IN LISTS nested_qmldirs)
    get_filename_component(nested ${qmldir} DIRECTORY)
    list(FILTER files EXCLUDE REGEX "^${nested}/")
  endforeach()
  # The designer's property sheets are read by Qt's tools, never by the program.
  list(FILTER files EXCLUDE REGEX "^designer/")
  foreach(file IN LISTS files)
    get_filename_component(folder ${file} DIRECTORY)
    file(COPY ${from}/${file} DESTINATION ${to}/${folder})
  endforeach()
endfunction()

set(scan_args)
foreach(root IN LISTS QML_ROOTS)
  list(APPEND scan_args -rootPath ${root})
endforeach()
execute_process(COMMAND ${SCANNER} ${scan_args} -importPath ${QT_PREFIX}/qml
  OUTPUT_VARIABLE imports RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "qmlimportscanner failed")
endif()
string(JSON count LENGTH "${imports}")
math(EXPR last "${count} - 1")
set(copied)
foreach(i RANGE ${last})
  string(JSON module ERROR_VARIABLE absent GET "${imports}" ${i} relativePath)
  string(JSON name ERROR_VARIABLE absent_name GET "${imports}" ${i} name)
  # The scanner also follows the QML of the controls' other styles (Material, Universal, ...); the
  # program uses the default style, which lives in QtQuick.Controls itself.
  if(absent OR module IN_LIST copied OR name MATCHES "^QtQuick\\.Controls\\.[A-Z]")
    continue()
  endif()
  list(APPEND copied ${module})
  copy_module(${QT_PREFIX}/qml/${module} ${OUT}/qml/${module})
endforeach()

file(WRITE ${OUT}/qt.conf "[Paths]\nPrefix = .\nPlugins = plugins\nQml2Imports = qml\n")

# Every DLL that Qt's folder or the compiler's runtime provides, for whatever is shipped imports it.
file(GLOB providers ${QT_PREFIX}/bin/*.dll)
list(APPEND providers ${RUNTIME_DLLS})
velora_shipped_binaries(${OUT} pending)
set(shipped)
while(pending)
  list(POP_FRONT pending binary)
  velora_imports(${binary} names)
  foreach(name IN LISTS names)
    if(name IN_LIST shipped)
      continue()
    endif()
    foreach(provider IN LISTS providers)
      get_filename_component(file_name ${provider} NAME)
      string(TOLOWER "${file_name}" provided)
      if(provided STREQUAL name)
        file(COPY ${provider} DESTINATION ${OUT})
        if(provider IN_LIST RUNTIME_DLLS)
          strip_debug(${OUT}/${file_name})
        endif()
        list(APPEND shipped ${name})
        list(APPEND pending ${OUT}/${file_name})
        break()
      endif()
    endforeach()
  endforeach()
endwhile()

velora_check_imports(${OUT})
