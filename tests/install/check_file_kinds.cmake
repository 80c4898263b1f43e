# Builds a MIME database holding only the shared types and ours, makes files
# of every kind the viewer opens (and two it does not) and checks the kind
# the desktop gives each.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/share/mime/packages ${WORK}/files ${WORK}/home)
foreach(shared /usr/share/mime/packages/freedesktop.org.xml)
  file(COPY ${shared} DESTINATION ${WORK}/share/mime/packages)
endforeach()
file(COPY ${MIME_XML} DESTINATION ${WORK}/share/mime/packages)
set(ENV{XDG_DATA_DIRS} ${WORK}/share)
set(ENV{XDG_DATA_HOME} ${WORK}/home)
execute_process(COMMAND ${UPDATE_MIME} ${WORK}/share/mime
                RESULT_VARIABLE result ERROR_VARIABLE complaints)
if(NOT result EQUAL 0 OR NOT complaints STREQUAL "")
  message(FATAL_ERROR "update-mime-database refused the package (${result}):\n${complaints}")
endif()

set(f ${WORK}/files)
file(COPY_FILE ${SAMPLES}/two-way-zef1.txt ${f}/two-way.txt)
file(COPY_FILE ${SAMPLES}/coax-zef2-v2.txt ${f}/coax.TAB)
file(WRITE ${f}/lower "   <zef2>\r\n<VERSION>\t1\r\n")
file(WRITE ${f}/notes.txt "Measured in the small room.\r\n")
foreach(sample two-way-zef1:TWO-WAY.ZF1 column-zef2-v1:column.zf2)
  string(REPLACE ":" ";" sample ${sample})
  list(GET sample 0 text)
  list(GET sample 1 binary)
  execute_process(COMMAND ${ZEF} compile --no ${SAMPLES}/${text}.txt -o ${f}/${binary}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "zef compile ${text} failed (${result})")
  endif()
endforeach()
# Known by their first bytes alone.
file(COPY_FILE ${f}/TWO-WAY.ZF1 ${f}/two-way-zef1.bin)
file(COPY_FILE ${f}/column.zf2 ${f}/column-zef2-v1.bin)

execute_process(COMMAND ${LOOKUP} ${f}/two-way.txt ${f}/coax.TAB ${f}/lower ${f}/notes.txt
                        ${f}/TWO-WAY.ZF1 ${f}/column.zf2 ${f}/two-way-zef1.bin
                        ${f}/column-zef2-v1.bin
                OUTPUT_VARIABLE kinds RESULT_VARIABLE result)
# The desktop takes an extension that names one kind at its word: ".txt"
# stays plain text whatever its first line says.
set(expected "two-way.txt: text/plain
coax.TAB: application/x-zef-text
lower: application/x-zef-text
notes.txt: text/plain
TWO-WAY.ZF1: application/x-zef1
column.zf2: application/x-zef2
two-way-zef1.bin: application/x-zef1
column-zef2-v1.bin: application/x-zef2
")
if(NOT result EQUAL 0 OR NOT kinds STREQUAL expected)
  message(FATAL_ERROR "file kinds differ:\n${kinds}\nexpected:\n${expected}")
endif()
