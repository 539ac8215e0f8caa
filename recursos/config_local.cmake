# Copies the Config.ini for the local database into the program folder unless one is
# already there: a user's own settings survive a rebuild.
if(NOT EXISTS "${DESTINO}")
  file(COPY_FILE "${ORIGEN}" "${DESTINO}")
endif()
