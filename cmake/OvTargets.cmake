# Helpers that give every target of the project the same warnings, include paths and output layout.

# Warnings for the project's own code only (imported targets keep their own flags).
function(ov_project_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
    $<$<COMPILE_LANGUAGE:CXX>:-Wno-missing-field-initializers>)
endfunction()

# ov_add_module(name SOURCES ... LIBS ...): a static, position-independent library of one subsystem
# that the shared library, the tests and the demo host link.
function(ov_add_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/include)
  target_compile_definitions(${name} PUBLIC ORNIVEX_BUILDING_LIBRARY QT_NO_KEYWORDS)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  ov_project_warnings(${name})
endfunction()
