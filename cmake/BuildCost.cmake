# What a build costs: the compiler cache, and the platform's headers parsed once per family of
# targets instead of once per unit.

# The compiler cache, where the machine has it. Its cache is the user's own, so a fresh clone
# in another folder finds what an earlier build compiled: paths under the checkout are hashed
# relative to it, and the working directory is left out of the hash (a hit may then carry
# another clone's paths in its line tables). Precompiled headers are cached when the cache
# trusts them (sloppiness) and when the preprocessor names the header instead of expanding it
# (-fpch-preprocess), so that a miss costs no more than the compile itself.
function(zv_use_compiler_cache)
  find_program(ZV_CCACHE ccache)
  if(NOT ZV_CCACHE)
    return()
  endif()
  set(launcher env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=true
      CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
      CCACHE_MAXSIZE=12G ${ZV_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${launcher} PARENT_SCOPE)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher} PARENT_SCOPE)
  add_compile_options(-fpch-preprocess)
endfunction()

# The headers nearly every unit includes. The class library's headers include windows.h
# themselves, after the definitions they need.
set(ZV_PCH_STANDARD <algorithm> <functional> <map> <memory> <set> <string> <vector>)
set(ZV_PCH_WINDOWS <windows.h> <ole2.h> <oleauto.h>)
set(ZV_PCH_CLASS_LIBRARY <afxwin.h> <afxext.h> <afxcmn.h> <afxdlgs.h> <afxole.h> <afxtempl.h>)
set(ZV_PCH_TESTS <gmock/gmock.h> <gtest/gtest.h>)

# zv_links_to(out target library): TRUE when target links library, directly or through the
# libraries it links.
function(zv_links_to out target library)
  set(queue ${target})
  set(seen)
  set(${out} FALSE PARENT_SCOPE)
  while(queue)
    list(POP_FRONT queue item)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
    if(item STREQUAL library)
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
    if(NOT TARGET ${item} OR item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${item})
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(libraries ${item} ${property})
      if(libraries)
        list(APPEND queue ${libraries})
      endif()
    endforeach()
  endwhile()
endfunction()

# zv_project_targets(out dir): the targets of the project's own folders under dir that compile
# C++ (the imported GoogleTest sources keep their own flags).
function(zv_project_targets out dir)
  set(found)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    get_target_property(sources ${target} SOURCES)
    if(NOT type STREQUAL "INTERFACE_LIBRARY" AND NOT type STREQUAL "UTILITY"
       AND sources MATCHES "\\.(cpp|cc)(;|$)")
      list(APPEND found ${target})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    string(FIND "${subdir}" "${PROJECT_SOURCE_DIR}/" inside)
    if(inside EQUAL 0)
      zv_project_targets(more ${subdir})
      list(APPEND found ${more})
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# zv_pch_carrier(name HEADERS... [TEST]): a target that only compiles the precompiled header
# that the targets of one family reuse. GCC takes a precompiled header only when it was built
# with the same flags, so the carrier gets what its users get: the class library's include
# folders, and for test programs GoogleTest and their optimisation level.
function(zv_pch_carrier name)
  cmake_parse_arguments(P "TEST" "" "HEADERS" ${ARGN})
  set(source ${CMAKE_BINARY_DIR}/pch/${name}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "// Compiles the precompiled header only.\n")
  add_library(${name} OBJECT ${source})
  foreach(layer mfc_core mfc_win mfc_ole)
    target_include_directories(${name} PRIVATE $<TARGET_PROPERTY:${layer},INTERFACE_INCLUDE_DIRECTORIES>)
  endforeach()
  if(P_TEST)
    target_link_libraries(${name} PRIVATE gmock)
    zv_test_compile_options(${name})
  endif()
  list(TRANSFORM P_HEADERS REPLACE "(.+)" "$<$<COMPILE_LANGUAGE:CXX>:\\1>")
  target_precompile_headers(${name} PRIVATE ${P_HEADERS})
endfunction()

# Test programs exercise the libraries, which keep -O2; their own code is compiled without
# optimisation, which halves what a test source costs to compile.
function(zv_test_compile_options target)
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-O0>)
endfunction()

# zv_mark_test_code(target): the target is test code: compiled as such, with the test
# programs' precompiled header.
function(zv_mark_test_code target)
  zv_test_compile_options(${target})
  set_property(GLOBAL APPEND PROPERTY ZV_TEST_TARGETS ${target})
endfunction()

# zv_precompile_headers(): every C++ target of the project reuses the precompiled header of its
# family: with or without the class library, test program or not. Called once every folder has
# made its targets.
function(zv_precompile_headers)
  get_property(tests GLOBAL PROPERTY ZV_TEST_TARGETS)
  zv_project_targets(targets ${PROJECT_SOURCE_DIR})
  set(windows ${ZV_PCH_STANDARD} ${ZV_PCH_WINDOWS})
  set(classlib ${ZV_PCH_STANDARD} ${ZV_PCH_CLASS_LIBRARY})
  zv_pch_carrier(zv_pch_windows HEADERS ${windows})
  zv_pch_carrier(zv_pch_classlib HEADERS ${classlib})
  zv_pch_carrier(zv_pch_windows_tests TEST HEADERS ${windows} ${ZV_PCH_TESTS})
  zv_pch_carrier(zv_pch_classlib_tests TEST HEADERS ${classlib} ${ZV_PCH_TESTS})
  foreach(target IN LISTS targets)
    zv_links_to(uses_classlib ${target} mfc_core)
    if(uses_classlib OR target STREQUAL "mfc_core")
      set(carrier zv_pch_classlib)
    else()
      set(carrier zv_pch_windows)
    endif()
    if(target IN_LIST tests)
      string(APPEND carrier _tests)
    endif()
    target_precompile_headers(${target} REUSE_FROM ${carrier})
    # A unit that cannot take the header would parse it all again: say so.
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Werror=invalid-pch>)
  endforeach()
endfunction()
