# The random-input tests' generator, checker and shrinker go into the test program.
#
# Their CI-size run is three ctest entries labelled "long", which run only when asked
# for with `ctest -C long -L long` (make sanitize does): the 500 scripts in two halves
# and the 1,000-round session, so that two cores share them.
file(GLOB MONKEY_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
target_sources(hexbrawl_tests PRIVATE ${MONKEY_SOURCES})

foreach(half 1 251)
  add_test(NAME monkey_scripts_from_${half} CONFIGURATIONS long
           COMMAND hexbrawl_tests --gtest_filter=Monkey.RandomScriptsKeepEveryRule)
  set_tests_properties(monkey_scripts_from_${half} PROPERTIES LABELS long TIMEOUT 1800
    ENVIRONMENT "HEXBRAWL_MONKEY_LONG=1;HEXBRAWL_MONKEY_FIRST=${half};HEXBRAWL_MONKEY_SCRIPTS=250")
endforeach()
add_test(NAME monkey_long_session CONFIGURATIONS long
         COMMAND hexbrawl_tests --gtest_filter=Monkey.LongSessionOfFourWizards)
set_tests_properties(monkey_long_session PROPERTIES LABELS long TIMEOUT 1800 ENVIRONMENT "HEXBRAWL_MONKEY_LONG=1")
