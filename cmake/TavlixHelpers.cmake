# tavlix_add_test(<name> SOURCES <files...> LIBS <libs...>)
# One Qt Test executable registered with CTest under <name>.
function(tavlix_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  # Widget tests never need a display; model tests do not care. Pages show
  # in the plain text view, so no test needs the web engine.
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TAVLIX_WEBSIDE=tekst"
    TIMEOUT 300)
endfunction()

# Every tst_*.cpp below <dir> becomes one test linking <libs>.
function(tavlix_add_tests_in dir)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${dir}/tst_*.cpp)
  foreach(f ${files})
    get_filename_component(n ${f} NAME_WE)
    tavlix_add_test(${n} SOURCES ${f} LIBS ${T_LIBS})
  endforeach()
endfunction()
