# Test registration. Natively each GoogleTest case becomes a CTest test of its
# own. A cross build cannot list the cases at build time, so there each test
# binary is one CTest test, run through CMAKE_CROSSCOMPILING_EMULATOR; under
# wine those tests share one wine server, started before them and ended after.

if(BUILD_TESTING AND DEFINED KIT_WINEPREFIX)
  set(_wine_env "WINEPREFIX=${KIT_WINEPREFIX};WINEDEBUG=-all")
  add_test(NAME wine_start COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-prefix.sh start)
  add_test(NAME wine_stop COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-prefix.sh stop)
  set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${_wine_env}")
  set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine ENVIRONMENT "${_wine_env}")
endif()

function(kit_add_gtest target)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
    if(DEFINED KIT_WINEPREFIX)
      set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED wine)
    endif()
  else()
    gtest_discover_tests(${target})
  endif()
endfunction()
