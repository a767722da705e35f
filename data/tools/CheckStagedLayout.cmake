# Checks that the staged installation holds every file and folder the programs look for, each
# shipped file identical to its source (so a stale copy is caught), and Init/ shipped empty.
#
#   cmake -DSTAGE=... -DSOURCE=... -DVERSION_DIR=V100 [-DPROGRAMS=a,b] -P CheckStagedLayout.cmake
foreach(_required STAGE SOURCE VERSION_DIR)
    if(NOT DEFINED ${_required})
        message(FATAL_ERROR "${_required} is not given")
    endif()
endforeach()

set(_problems)

# Files of the layout relative to the installation root, with their source in this folder.
set(_shipped
    "Version.ini=Version.ini"
    "${VERSION_DIR}/language/english.ini=language/english.ini"
    "${VERSION_DIR}/language/chinese.ini=language/chinese.ini"
    "${VERSION_DIR}/PIC/BK_1.jpg=PIC/BK_1.jpg"
    "${VERSION_DIR}/PIC/BK_2.jpg=PIC/BK_2.jpg"
    "${VERSION_DIR}/StartE.jpg=StartE.jpg"
    "${VERSION_DIR}/StartC.jpg=StartC.jpg")
foreach(_entry IN LISTS _shipped)
    string(REPLACE "=" ";" _pair "${_entry}")
    list(GET _pair 0 _staged)
    list(GET _pair 1 _source)
    if(NOT EXISTS "${STAGE}/${_staged}" OR IS_DIRECTORY "${STAGE}/${_staged}")
        list(APPEND _problems "missing ${_staged}")
        continue()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${STAGE}/${_staged}"
                            "${SOURCE}/${_source}" RESULT_VARIABLE _differs)
    if(_differs)
        list(APPEND _problems "${_staged} differs from data/${_source} (staging is stale)")
    endif()
endforeach()

foreach(_folder "${VERSION_DIR}/Init" "language")
    if(NOT IS_DIRECTORY "${STAGE}/${_folder}")
        list(APPEND _problems "missing folder ${_folder}/")
    endif()
endforeach()
# The placeholder that keeps the empty folder in git does not ship.
if(EXISTS "${STAGE}/${VERSION_DIR}/Init/.gitkeep")
    list(APPEND _problems "${VERSION_DIR}/Init/ holds .gitkeep")
endif()

if(PROGRAMS)
    string(REPLACE "," ";" _programs "${PROGRAMS}")
    foreach(_program IN LISTS _programs)
        if(NOT EXISTS "${STAGE}/${VERSION_DIR}/${_program}")
            list(APPEND _problems "missing program ${VERSION_DIR}/${_program}")
        endif()
    endforeach()
endif()

if(_problems)
    list(JOIN _problems "\n  " _text)
    message(FATAL_ERROR "The staged layout under ${STAGE} is incomplete:\n  ${_text}")
endif()
message(STATUS "Staged layout complete under ${STAGE}")
