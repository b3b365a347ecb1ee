# kedravo_add_scenario(NAME name [TOOLKIT headless|qt] [SETUP dir])
# Runs tests/scenarios/<name>.script with kedravo-script in a fresh empty folder (the files of SETUP, a folder
# relative to tests/scenarios, copied in first); the transcript must equal <name>.expected, and every file under
# <name>.files/ must equal, byte for byte, the file of the same path left in the folder. Register a scenario once
# per toolkit to hold both backends to the same transcript; Qt scenarios exist only in builds with KEDRAVO_QT.
# The Windows build runs each scenario once, on the Win32 backend under Wine, against the same transcript.
set(KEDRAVO_SCENARIOS ${PROJECT_SOURCE_DIR}/tests/scenarios)
if(WIN32)
  set(KEDRAVO_SCENARIO_DRIVER ${CMAKE_BINARY_DIR}/kedravo-script-wine)
  file(GENERATE OUTPUT ${KEDRAVO_SCENARIO_DRIVER}
       CONTENT "#!/bin/sh\nexec ${CMAKE_CROSSCOMPILING_EMULATOR} \"$<TARGET_FILE:kedravo-script>\" \"$@\"\n"
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
else()
  set(KEDRAVO_SCENARIO_DRIVER $<TARGET_FILE:kedravo-script>)
endif()

function(kedravo_add_scenario)
  cmake_parse_arguments(S "" "NAME;TOOLKIT;SETUP" "" ${ARGN})
  if(NOT S_TOOLKIT)
    set(S_TOOLKIT headless)
  endif()
  if(NOT S_TOOLKIT MATCHES "^(headless|qt)$")
    message(FATAL_ERROR "kedravo_add_scenario(${S_NAME}): unknown toolkit ${S_TOOLKIT}")
  endif()
  if(S_TOOLKIT STREQUAL "qt" AND NOT KEDRAVO_QT)
    return()
  endif()
  if(WIN32)
    set(S_TOOLKIT win32)
  endif()
  set(setup "")
  if(S_SETUP)
    get_filename_component(setup ${S_SETUP} ABSOLUTE BASE_DIR ${KEDRAVO_SCENARIOS})
  endif()
  add_test(NAME scenario.${S_NAME}.${S_TOOLKIT}
           COMMAND bash ${KEDRAVO_SCENARIOS}/run-scenario.sh ${KEDRAVO_SCENARIO_DRIVER} ${S_TOOLKIT} ${KEDRAVO_SCENARIOS} ${S_NAME}
                   ${setup})
  # A failed scenario keeps its folder for a look, in the build tree.
  set(environment TMPDIR=${CMAKE_CURRENT_BINARY_DIR})
  # A screen large enough for the catalogue's default positions, which the Qt backend would otherwise move onto a
  # smaller screen, so that both backends print the same positions.
  if(S_TOOLKIT STREQUAL "qt")
    list(APPEND environment QT_QPA_PLATFORM=offscreen:configfile=${KEDRAVO_SCENARIOS}/offscreen_screen.json)
  endif()
  set_tests_properties(scenario.${S_NAME}.${S_TOOLKIT} PROPERTIES ENVIRONMENT "${environment}"
                       TIMEOUT ${KEDRAVO_TEST_TIMEOUT})
endfunction()
