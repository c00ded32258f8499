set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

# Sources are UTF-8; Japanese literals become Shift-JIS (code page 932) bytes.
add_compile_options(-Wall -Wextra -finput-charset=UTF-8 -fexec-charset=CP932)

if(WIN32)
  enable_language(RC)
  # Windows resources are UTF-8 too.
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
  # mingw's own printf family: msvcrt's cannot print 80-bit long double.
  add_compile_definitions(__USE_MINGW_ANSI_STDIO=1 WINVER=0x0500 _WIN32_WINNT=0x0500)
  add_link_options(-static)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    # Doubles in SSE2 registers, as on x86_64: every double result is rounded to
    # double at once, so the 32-bit programs compute as the 64-bit ones do.
    # long double stays the x87 80-bit type.
    add_compile_options(-msse2 -mfpmath=sse)
  endif()
endif()

include_directories(${CMAKE_SOURCE_DIR}/shell ${CMAKE_SOURCE_DIR}/orthopoly/shared)

# add_suite_program(name dir [OWN_FRAME] TABLES files... WINDOW files... SHARED libs... WINDOW_SHARED libs...)
#   SHARED:        object libraries linked into the tables (native tests too) and the program
#   WINDOW_SHARED: object libraries of Win32 code linked into the program only
#   OWN_FRAME:     the program has its own entry, window procedure and About dialog and
#                  takes only the shell's services; it has no readme text beside it
#   <name>_tables: the Windows-free table code (compute_table, write_table)
#   <NAME>.EXE:    on Windows, the program with its resources, and its readme beside it
function(add_suite_program name dir)
  cmake_parse_arguments(P "OWN_FRAME" "" "TABLES;WINDOW;SHARED;WINDOW_SHARED" ${ARGN})
  string(TOUPPER ${name} upper)
  list(TRANSFORM P_TABLES PREPEND ${CMAKE_SOURCE_DIR}/${dir}/)
  list(TRANSFORM P_WINDOW PREPEND ${CMAKE_SOURCE_DIR}/${dir}/)
  add_library(${name}_tables OBJECT ${P_TABLES})
  target_include_directories(${name}_tables PUBLIC ${CMAKE_SOURCE_DIR}/${dir})
  set(objects $<TARGET_OBJECTS:${name}_tables> $<TARGET_OBJECTS:shell_core>)
  foreach(lib ${P_SHARED})
    list(APPEND objects $<TARGET_OBJECTS:${lib}>)
  endforeach()
  set_property(GLOBAL PROPERTY ${name}_objects "${objects}")
  set_property(GLOBAL PROPERTY ${name}_dir ${CMAKE_SOURCE_DIR}/${dir})
  if(WIN32)
    set(window_objects $<TARGET_OBJECTS:shell_services>)
    if(NOT P_OWN_FRAME)
      list(APPEND window_objects $<TARGET_OBJECTS:shell_window>)
    endif()
    foreach(lib ${P_WINDOW_SHARED})
      list(APPEND window_objects $<TARGET_OBJECTS:${lib}>)
    endforeach()
    add_executable(${name} WIN32 ${P_WINDOW} ${CMAKE_SOURCE_DIR}/${dir}/${name}.rc
      ${objects} ${window_objects})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/${dir})
    set_source_files_properties(${CMAKE_SOURCE_DIR}/${dir}/${name}.rc PROPERTIES
      INCLUDE_DIRECTORIES "${CMAKE_SOURCE_DIR}/resources;${CMAKE_SOURCE_DIR}/resources/${name}")
    target_link_libraries(${name} PRIVATE gdi32 comdlg32 advapi32)
    set_target_properties(${name} PROPERTIES OUTPUT_NAME ${upper} SUFFIX ".EXE"
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    if(NOT P_OWN_FRAME)
      add_custom_command(TARGET ${name} POST_BUILD COMMAND ${CMAKE_COMMAND} -E copy
        ${CMAKE_SOURCE_DIR}/${dir}/${upper}.TXT ${CMAKE_BINARY_DIR}/bin/${upper}.TXT)
    endif()
  endif()
endfunction()

# The objects of a program's tables with the shared code they use (for native tests).
function(suite_program_objects name out dir)
  get_property(objects GLOBAL PROPERTY ${name}_objects)
  get_property(source_dir GLOBAL PROPERTY ${name}_dir)
  set(${out} "${objects}" PARENT_SCOPE)
  set(${dir} "${source_dir}" PARENT_SCOPE)
endfunction()
