cmake_minimum_required(VERSION 3.25)
# Starts the desktop program with no display and no platform chosen: it must end with status 1 and a
# message saying what to do instead, not abort inside the toolkit.
#   APP  the program
execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                        "${APP}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status STREQUAL "1")
  message(FATAL_ERROR "ended with ${status}, expected 1; stderr:\n${err}")
endif()
if(NOT err MATCHES "^dravonel: no display[^\n]*\n.*QT_QPA_PLATFORM=vnc.*qt6-qpa-plugins.*dravonel-cli")
  message(FATAL_ERROR "the message does not say what to do:\n${err}")
endif()
