# Run by CPack on the staged install, before it packs: what a Debian package wants beyond a
# plain install.
set(wurzel ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(programm ${wurzel}/${CPACK_KABROLUX_PROGRAMM})
if(NOT EXISTS ${programm})
    message(FATAL_ERROR "${programm} is not in the staged tree")
endif()

# Debian keeps games in /usr/games; the program finds its pictures from there as from bin
# (../share/kabrolux).
set(ordner_rechte OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                  WORLD_EXECUTE)
file(MAKE_DIRECTORY ${wurzel}/games)
file(CHMOD ${wurzel}/games PERMISSIONS ${ordner_rechte})
file(RENAME ${programm} ${wurzel}/games/kabrolux)
get_filename_component(alter_ordner ${programm} DIRECTORY)
file(GLOB uebrig ${alter_ordner}/*)
if(NOT uebrig)
    file(REMOVE_RECURSE ${alter_ordner})
endif()

# As dh_strip does for programs: no symbols, no compiler version notes.
execute_process(COMMAND ${CPACK_KABROLUX_STRIP} --remove-section=.comment --remove-section=.note
                        ${wurzel}/games/kabrolux
                COMMAND_ERROR_IS_FATAL ANY)

set(uebergehen ${wurzel}/share/lintian/overrides)
file(MAKE_DIRECTORY ${uebergehen})
file(CHMOD ${wurzel}/share/lintian ${uebergehen} PERMISSIONS ${ordner_rechte})
file(COPY_FILE ${CPACK_KABROLUX_UEBERGEHEN} ${uebergehen}/kabrolux)
file(CHMOD ${uebergehen}/kabrolux PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
