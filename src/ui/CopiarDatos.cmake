# Copies the shipped data beside the program in the build tree. The word list
# there may have been changed by playing: it is replaced only by a newer one.
file(COPY_FILE ${ORIGEN}/Instrucciones.htm ${DESTINO}/Instrucciones.htm ONLY_IF_DIFFERENT)
if(${ORIGEN}/Tablerix.pal IS_NEWER_THAN ${DESTINO}/Tablerix.pal)
  file(COPY_FILE ${ORIGEN}/Tablerix.pal ${DESTINO}/Tablerix.pal)
endif()
