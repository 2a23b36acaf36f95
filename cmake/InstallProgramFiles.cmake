# Copies the files installed with the program into the program folder.
file(MAKE_DIRECTORY "${FOLDER}")
if(EXISTS "${SOURCE}/Avviso.mp3")
  file(COPY_FILE "${SOURCE}/Avviso.mp3" "${FOLDER}/Avviso.mp3" ONLY_IF_DIFFERENT)
endif()
if(EXISTS "${SOURCE}/unins000.dll" AND NOT EXISTS "${FOLDER}/unins000.dll")
  file(COPY_FILE "${SOURCE}/unins000.dll" "${FOLDER}/unins000.dll")
endif()
