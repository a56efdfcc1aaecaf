# Refreshes every scoutel_*.ts in CATALOGUE_DIR from the program's sources:
#   cmake -DLUPDATE=<lupdate> -DSOURCE_ROOT=<checkout> -DCATALOGUE_DIR=<folder> -P lupdate.cmake
# Used by the update_translations target and by the catalogue check.
foreach(required LUPDATE SOURCE_ROOT CATALOGUE_DIR)
    if(NOT ${required})
        message(FATAL_ERROR "${required} is not set")
    endif()
endforeach()

# Folders whose user-visible texts are translated; those not written yet are skipped.
set(folders protocol core console config common gui)
set(inputs)
set(includes)
foreach(folder IN LISTS folders)
    if(IS_DIRECTORY "${SOURCE_ROOT}/${folder}")
        list(APPEND inputs "${SOURCE_ROOT}/${folder}")
        list(APPEND includes "-I${SOURCE_ROOT}/${folder}")
    endif()
endforeach()

file(GLOB catalogues "${CATALOGUE_DIR}/scoutel_*.ts")
if(NOT catalogues)
    message(FATAL_ERROR "no scoutel_*.ts in ${CATALOGUE_DIR}")
endif()

execute_process(
    COMMAND "${LUPDATE}" -silent -locations none -source-language en
            ${includes} ${inputs} -ts ${catalogues}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status})")
endif()

# English, the sources' own language, is shipped as a catalogue like the others
# so the language menu can switch back to it: each new message translates to
# its own text.
set(english "${CATALOGUE_DIR}/scoutel_en.ts")
if(EXISTS "${english}")
    file(READ "${english}" content)
    string(REGEX REPLACE
           "<source>([^<]*)</source>([ \n]*)<translation type=\"unfinished\">[^<]*</translation>"
           "<source>\\1</source>\\2<translation>\\1</translation>" content "${content}")
    file(WRITE "${english}" "${content}")
endif()
