# Writes the record files from world.txt into OUTPUT and compares them with those in SOURCE.
file(REMOVE_RECURSE ${OUTPUT})
execute_process(COMMAND ${TOOL} ${SOURCE}/world.txt ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "golmok-records failed")
endif()
foreach(file IN LISTS FILES)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE}/${file} ${OUTPUT}/${file}
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${file} differs from what world.txt gives: run the records target")
  endif()
endforeach()
