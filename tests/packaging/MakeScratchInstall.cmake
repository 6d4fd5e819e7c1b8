# Test fixture: installs the build afresh into a scratch prefix (MODE install) or makes the
# Debian package afresh into a scratch folder (MODE package).
# cmake -DMODE=install|package -DBUILD_DIR=... -DOUTPUT=... [-DCPACK=...] -P MakeScratchInstall.cmake
file(REMOVE_RECURSE "${OUTPUT}")
if(MODE STREQUAL "install")
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${OUTPUT}/usr/local"
        RESULT_VARIABLE result)
elseif(MODE STREQUAL "package")
    execute_process(COMMAND "${CPACK}" --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUTPUT}"
        RESULT_VARIABLE result)
else()
    message(FATAL_ERROR "MODE must be install or package, not '${MODE}'")
endif()
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${MODE} into ${OUTPUT} failed: ${result}")
endif()
