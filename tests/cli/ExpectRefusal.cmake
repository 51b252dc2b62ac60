cmake_minimum_required(VERSION 3.25)
# Runs dravonel-cli with arguments that must be refused and checks what a user would see: the expected
# exit status, nothing on standard output, one line on standard error, and an output file that is
# neither created nor changed.
#   CLI       the program
#   ARGS      its arguments, separated by "|"; "%OUT%" stands for OUT
#   STATUS    the exit status expected
#   MESSAGE   a regular expression the error line must match
#   OUT       the output file the run must leave alone
#   KEEP      optional: text put into OUT before the run, which must still be there afterwards
string(REPLACE "|" ";" args "${ARGS}")
string(REPLACE "%OUT%" "${OUT}" args "${args}")
get_filename_component(out_dir "${OUT}" DIRECTORY)
file(REMOVE_RECURSE "${out_dir}")
file(MAKE_DIRECTORY "${out_dir}")
if(DEFINED KEEP)
  file(WRITE "${OUT}" "${KEEP}")
endif()

execute_process(COMMAND "${CLI}" ${args} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)

if(NOT status STREQUAL "${STATUS}")
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}; stderr: ${err}")
endif()
if(NOT out STREQUAL "")
  message(FATAL_ERROR "something was written to standard output:\n${out}")
endif()
if(NOT err MATCHES "^dravonel-cli: [^\n]+\n$")
  message(FATAL_ERROR "standard error is not one line starting with the program's name:\n${err}")
endif()
if(NOT err MATCHES "${MESSAGE}")
  message(FATAL_ERROR "the message does not match '${MESSAGE}':\n${err}")
endif()
file(GLOB left RELATIVE "${out_dir}" "${out_dir}/*")
if(DEFINED KEEP)
  file(READ "${OUT}" kept)
  if(NOT kept STREQUAL "${KEEP}" OR NOT left STREQUAL "out.txt")
    message(FATAL_ERROR "the existing file was changed or other files appeared: ${left}")
  endif()
elseif(NOT left STREQUAL "")
  message(FATAL_ERROR "files were created: ${left}")
endif()
file(REMOVE_RECURSE "${out_dir}")
