# The house's warnings, in one place: every target we compile links lanterncrest_warnings
# PRIVATE. CI turns LANTERNCREST_WERROR on; it stays off by default so that the new warnings
# of a newer compiler on a user's machine don't stop their build.
option(LANTERNCREST_WERROR "Treat compiler warnings as errors" OFF)

add_library(lanterncrest_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(lanterncrest_warnings INTERFACE
    -Wall -Wextra -Wpedantic $<$<BOOL:${LANTERNCREST_WERROR}>:-Werror>)
endif()
# GCC takes a designated initializer that leaves members to their default member initializers
# for one that forgets them; the tests build their records that way.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(lanterncrest_warnings INTERFACE -Wno-missing-field-initializers)
endif()

# Refuses to configure when a target that compiles code does not carry the warnings.
function(lanterncrest_require_warnings dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type MATCHES "EXECUTABLE|_LIBRARY$" AND NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(libs ${target} LINK_LIBRARIES)
      if(NOT "lanterncrest_warnings" IN_LIST libs)
        message(FATAL_ERROR "${target} does not link lanterncrest_warnings")
      endif()
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir ${subdirs})
    lanterncrest_require_warnings(${subdir})
  endforeach()
endfunction()
# Checked once everything is configured, whichever way the configuration ends.
cmake_language(DEFER CALL lanterncrest_require_warnings ${PROJECT_SOURCE_DIR})
