# Installs the library's package into a fresh prefix, then configures, builds
# and runs a separate project that finds it with find_package(tidewire).
# Expects BUILD_DIR, WORK_DIR, SOURCE_DIR, C_COMPILER, C_FLAGS and
# LINKER_FLAGS.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(run_step)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK_DIR}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}\n${output}")
  endif()
endfunction()

run_step(${CMAKE_COMMAND} --install ${BUILD_DIR} --component tidewire --prefix ${WORK_DIR}/prefix)
run_step(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build
  -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix
  -DCMAKE_C_COMPILER=${C_COMPILER}
  "-DCMAKE_C_FLAGS=${C_FLAGS}"
  "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}")
run_step(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
run_step(${WORK_DIR}/build/package_user)
