# SPDX-License-Identifier: MIT
# Sturdiness tests. The random-input tests' generator, checker and shrinker go into
# the test program. Their CI-size run is a set of ctest entries labelled "long",
# which run only when asked for with `ctest -C long` (make sanitize does): the 500
# scripts in four parts and the 1,000-round session, so that the cores share them.
file(GLOB MONKEY_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/monkey/*.cpp)
target_sources(hexbrawl_tests PRIVATE ${MONKEY_SOURCES})

foreach(first 1 126 251 376)
  add_test(NAME monkey_scripts_from_${first} CONFIGURATIONS long
           COMMAND hexbrawl_tests --gtest_filter=Monkey.RandomScriptsKeepEveryRule)
  set_tests_properties(monkey_scripts_from_${first} PROPERTIES LABELS long TIMEOUT 1800 COST 1000
    ENVIRONMENT "HEXBRAWL_MONKEY_LONG=1;HEXBRAWL_MONKEY_FIRST=${first};HEXBRAWL_MONKEY_SCRIPTS=125")
endforeach()
add_test(NAME monkey_long_session CONFIGURATIONS long
         COMMAND hexbrawl_tests --gtest_filter=Monkey.LongSessionOfFourWizards)
set_tests_properties(monkey_long_session PROPERTIES LABELS long TIMEOUT 1800 COST 900 ENVIRONMENT "HEXBRAWL_MONKEY_LONG=1")

# The window's tests of missing parts once more, where there is no font at all and
# no sound server to find.
if(HEXBRAWL_WITH_QT AND TARGET hexbrawl_ui AND EXISTS ${CMAKE_CURRENT_LIST_DIR}/qt/CMakeLists.txt)
  set(NOFONTS ${CMAKE_CURRENT_BINARY_DIR}/nofonts.conf)
  file(WRITE ${NOFONTS} "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                        "<fontconfig><cachedir>${CMAKE_CURRENT_BINARY_DIR}/nofonts-cache</cachedir></fontconfig>\n")
  add_test(NAME qt_missing_parts COMMAND hexbrawl_qt_tests --gtest_filter=MissingParts.*)
  set_tests_properties(qt_missing_parts PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;FONTCONFIG_FILE=${NOFONTS};PULSE_SERVER=unix:/nonexistent;HEXBRAWL_EXPECT_NO_FONTS=1")
endif()
