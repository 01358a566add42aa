# Copies the shipped data beside the program in the build tree. The word list
# there may have been changed by playing: it is replaced only by a newer one.
foreach(nombre Instrucciones.htm)
  file(COPY_FILE ${ORIGEN}/${nombre} ${DESTINO}/${nombre} ONLY_IF_DIFFERENT)
endforeach()
set(lista ${ORIGEN}/Tablerix.pal)
if(EXISTS ${lista})
  if(NOT EXISTS ${DESTINO}/Tablerix.pal OR ${lista} IS_NEWER_THAN ${DESTINO}/Tablerix.pal)
    file(COPY_FILE ${lista} ${DESTINO}/Tablerix.pal)
  endif()
endif()
