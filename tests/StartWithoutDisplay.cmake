# cmake -DGAME=golmok -DHOME_DIR=folder -P StartWithoutDisplay.cmake: the windowed game started
# with no display. Where Qt would have none to reach it says so in Korean and exits with status 1,
# never Qt's own abort; --help and --version need none; the platforms that need no display start.

# check(NAME STATUS STDOUT-REGEX STDERR-REGEX ENV <VAR=VALUE...> ARGS <arguments...>)
function(check name status out_regex err_regex)
  cmake_parse_arguments(PARSE_ARGV 4 case "" "" "ENV;ARGS")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM HOME=${HOME_DIR} XDG_DATA_HOME=${HOME_DIR}/data
            XDG_CONFIG_HOME=${HOME_DIR}/config ${case_ENV} ${GAME} ${case_ARGS}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT result STREQUAL "${status}")
    message(SEND_ERROR "${name}: exit status '${result}', not ${status}\nout: ${out}\nerr: ${err}")
  elseif(NOT out MATCHES "${out_regex}")
    message(SEND_ERROR "${name}: standard output does not match '${out_regex}':\n${out}")
  elseif(NOT err MATCHES "${err_regex}")
    message(SEND_ERROR "${name}: standard error does not match '${err_regex}':\n${err}")
  elseif(err MATCHES "Reinstalling|could not connect")
    message(SEND_ERROR "${name}: Qt's own words on standard error:\n${err}")
  endif()
endfunction()

set(refusal "^golmok: 창을 열 화면에 연결할 수 없습니다 \\(DISPLAY=")
check("no display" 1 "^$" "${refusal}\\(없음\\), WAYLAND_DISPLAY=\\(없음\\)\\)\\.\n.*golmok-console")
check("X11 asked for without DISPLAY" 1 "^$" "${refusal}" ENV QT_QPA_PLATFORM=xcb)
# A display that is named but does not answer: Qt's fatal message is taken over.
check("a display that does not answer" 1 "" "${refusal}:65000, WAYLAND_DISPLAY=\\(없음\\)\\)\\."
      ENV DISPLAY=:65000)
check("an unknown platform" 1 "" "${refusal}.*, QT_QPA_PLATFORM=nowhere\\)\\."
      ENV DISPLAY=:65000 QT_QPA_PLATFORM=nowhere)
check("--version" 0 "^golmok [0-9.]+\nCopyright" "^$" ARGS --version)
check("--help" 0 "dpkg -s golmok" "^$" ARGS --help)
check("a wrong option" 2 "^$" "--bogus" ARGS --bogus)
check("QT_QPA_PLATFORM=offscreen" 0 "" "" ENV QT_QPA_PLATFORM=offscreen ARGS --startup-probe)
check("-platform minimal" 0 "" "" ARGS -platform minimal --startup-probe)
