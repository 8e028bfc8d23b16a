# Runs the sample-log generator into WORK and compares every file it
# writes with the committed copy in SAMPLES.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${GENERATOR} ${WORK} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_sample_logs failed: ${status}")
endif()
file(GLOB written RELATIVE ${WORK} ${WORK}/*)
if(NOT written)
  message(FATAL_ERROR "make_sample_logs wrote nothing")
endif()
foreach(name ${written})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                          ${WORK}/${name} ${SAMPLES}/${name}
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "samples/${name} differs from what make_sample_logs "
                        "writes; regenerate with: make_sample_logs samples")
  endif()
endforeach()
message(STATUS "samples up to date: ${written}")
