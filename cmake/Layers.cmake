# A layer is an object library over whole folders: its objects go into the shared
# library, and tests link them directly so that internal symbols stay reachable.
function(lanterncrest_add_layer name)
  cmake_parse_arguments(ARG "" "" "DIRS;LIBS" ${ARGN})
  set(sources)
  foreach(dir ${ARG_DIRS})
    file(GLOB found CONFIGURE_DEPENDS
      ${PROJECT_SOURCE_DIR}/${dir}/*.cpp
      ${PROJECT_SOURCE_DIR}/${dir}/*.h
      ${PROJECT_SOURCE_DIR}/${dir}/*.qrc)
    list(APPEND sources ${found})
  endforeach()
  list(FILTER sources INCLUDE REGEX "\\.(cpp|qrc)$")
  if(NOT sources)
    return()
  endif()
  add_library(${name} OBJECT ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE LANTERNCREST_BUILDING)
  set_target_properties(${name} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${name} PRIVATE lanterncrest_warnings)
  foreach(lib ${ARG_LIBS})
    if(TARGET ${lib} OR lib MATCHES "::")
      target_link_libraries(${name} PUBLIC ${lib})
    endif()
  endforeach()
endfunction()

# The layers from the bottom up. Objects of an object library do not travel
# transitively, so whoever links a layer links every layer below it too.
set(LANTERNCREST_LAYERS lc_records lc_core lc_ui CACHE INTERNAL "")

function(lanterncrest_link_layers target top)
  foreach(layer ${LANTERNCREST_LAYERS})
    if(TARGET ${layer})
      target_link_libraries(${target} PRIVATE ${layer})
    endif()
    if(layer STREQUAL top)
      break()
    endif()
  endforeach()
endfunction()

# A test executable over the objects of layer LAYER and those below it. QT tests get a
# main that starts a QApplication offscreen with a temporary HOME.
function(lanterncrest_add_test name)
  cmake_parse_arguments(ARG "QT" "LAYER" "SOURCES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE lanterncrest_warnings)
  lanterncrest_link_layers(${name} ${ARG_LAYER})
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE lc_test_support GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()
