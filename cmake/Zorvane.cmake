# Build helpers shared by every folder.

# GoogleTest, cross-built from the sources the host's googletest package installs.
function(zv_add_googletest)
  set(GTEST_SRC /usr/src/googletest CACHE PATH "GoogleTest sources")
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(${GTEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endfunction()

# zv_share_resources(file...): resource files a library offers to the programs' resource
# scripts (its own script, its header of ids, the images the script names).
function(zv_share_resources)
  set_property(GLOBAL APPEND PROPERTY ZV_SHARED_RESOURCES ${ARGN})
endfunction()

# zv_resource_depends(script): windres reports nothing that a script includes, so a program's
# script is made to depend on the shared resources and on the files beside it.
function(zv_resource_depends rc)
  get_property(shared GLOBAL PROPERTY ZV_SHARED_RESOURCES)
  get_filename_component(dir ${rc} DIRECTORY)
  file(GLOB beside CONFIGURE_DEPENDS ${dir}/*.h ${dir}/*.rc ${dir}/*.bmp ${dir}/*.ico ${dir}/*.cur)
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${shared} ${beside})
endfunction()

# zv_add_test(NAME name SOURCES ... [LIBS ...] [LABELS ...] [RESOURCES ...])
# One test program per call; ctest runs it through Wine.
# LABELS x11: the program needs a real X display (scripts/test provides Xvfb).
function(zv_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS;RESOURCES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES} ${T_RESOURCES})
  foreach(rc IN LISTS T_RESOURCES)
    zv_resource_depends(${rc})
  endforeach()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} gmock gtest_main)
  zv_mark_test_code(${T_NAME})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  # A program that crashes under Wine can still exit with 0: a run passes only when the test
  # framework's summary says so.
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT}
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
  if(T_LABELS)
    set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()

# zv_add_test_support(NAME name SOURCES ... [INCLUDES dir...] [LIBS ...]): code that several
# test programs share, compiled once, as test code, into a static library.
function(zv_add_test_support)
  cmake_parse_arguments(T "" "NAME" "SOURCES;INCLUDES;LIBS" ${ARGN})
  add_library(${T_NAME} STATIC ${T_SOURCES})
  target_include_directories(${T_NAME} PUBLIC ${T_INCLUDES})
  target_link_libraries(${T_NAME} PUBLIC ${T_LIBS} gmock)
  zv_mark_test_code(${T_NAME})
endfunction()

# zv_add_typelib(TARGET name IDL file [DEPENDS target...] [INCLUDES dir...] [LIBDIRS dir...])
# Compiles an interface definition with widl into NAME.h, NAME_i.c and NAME.tlb in the
# target's binary folder; the target is a static library of the identifiers that carries the
# header path and, as its ZV_TLB property, the type library's path.
function(zv_add_typelib)
  cmake_parse_arguments(T "" "TARGET;IDL" "DEPENDS;INCLUDES;LIBDIRS" ${ARGN})
  get_filename_component(base ${T_IDL} NAME_WE)
  get_filename_component(idl ${T_IDL} ABSOLUTE)
  set(out ${CMAKE_CURRENT_BINARY_DIR})
  set(incs -I${CMAKE_CURRENT_SOURCE_DIR} -I${PROJECT_SOURCE_DIR}/idl)
  foreach(dir IN LISTS T_INCLUDES)
    list(APPEND incs -I${dir})
  endforeach()
  foreach(dir IN LISTS T_LIBDIRS)
    list(APPEND incs -L${dir})
  endforeach()
  add_custom_command(
    OUTPUT ${out}/${base}.h ${out}/${base}_i.c ${out}/${base}.tlb
    COMMAND ${ZV_TRIPLE}-widl ${ZV_WIDL_MODE} ${incs} -L${out}
            -h -H ${out}/${base}.h -u -U ${out}/${base}_i.c -t -T ${out}/${base}.tlb ${idl}
    DEPENDS ${idl} ${PROJECT_SOURCE_DIR}/idl/automation.idl ${T_DEPENDS}
    COMMENT "widl ${base}.idl")
  add_custom_target(${T_TARGET}_gen DEPENDS ${out}/${base}.h ${out}/${base}_i.c ${out}/${base}.tlb)
  add_library(${T_TARGET} STATIC ${out}/${base}_i.c)
  add_dependencies(${T_TARGET} ${T_TARGET}_gen)
  target_include_directories(${T_TARGET} PUBLIC ${out} ${PROJECT_SOURCE_DIR}/idl ${T_INCLUDES})
  set_target_properties(${T_TARGET} PROPERTIES ZV_TLB ${out}/${base}.tlb LINKER_LANGUAGE C)
endfunction()
