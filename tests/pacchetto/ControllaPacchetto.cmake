# Makes the Debian package of the build BUILD with CPACK into WORK, unpacks it, and checks that
# it installs the program, its command, its menu entry, its icon and its AppStream metainfo
# where desktops and software centres look for them, each file valid without a single warning.
#   cmake -DCPACK=cpack -DBUILD=build -DWORK=scratch -DID=app.id -P ControllaPacchetto.cmake

function(fallisci)
  string(JOIN "" messaggio ${ARGN})
  message(FATAL_ERROR "${messaggio}")
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CPACK} -G DEB -B ${WORK} WORKING_DIRECTORY ${BUILD}
                RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
file(GLOB deb ${WORK}/*.deb)
if(NOT esito EQUAL 0 OR NOT deb)
  fallisci("cpack -G DEB failed:\n" ${uscita})
endif()
execute_process(COMMAND dpkg-deb -x ${deb} ${WORK}/radice RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
  fallisci("cannot unpack " ${deb})
endif()

set(radice ${WORK}/radice/usr)
set(desktop ${radice}/share/applications/${ID}.desktop)
set(metainfo ${radice}/share/metainfo/${ID}.metainfo.xml)
foreach(file bin/rovororezovered lib/rovororezovered/rovororezovered
             lib/rovororezovered/positivo.wav share/applications/${ID}.desktop
             share/icons/hicolor/scalable/apps/${ID}.svg share/metainfo/${ID}.metainfo.xml)
  if(NOT EXISTS ${radice}/${file} AND NOT IS_SYMLINK ${radice}/${file})
    fallisci("the package lacks /usr/" ${file})
  endif()
endforeach()

# The command is the program, wherever the package puts it.
file(READ_SYMLINK ${radice}/bin/rovororezovered destinazione)
if(NOT destinazione STREQUAL "../lib/rovororezovered/rovororezovered")
  fallisci("/usr/bin/rovororezovered points at " ${destinazione})
endif()

# The menu entry, under Education, starting the command with the package's icon; the metainfo
# launches that entry.
file(READ ${desktop} voce)
foreach(riga "Name=ROVOROREZOVERED.1" "Exec=rovororezovered" "Icon=${ID}")
  string(FIND "${voce}" "\n${riga}\n" dove)
  if(dove EQUAL -1)
    fallisci(${ID} ".desktop has no line " ${riga})
  endif()
endforeach()
if(NOT voce MATCHES "\nCategories=([^\n]*;)?Education;")
  fallisci(${ID} ".desktop is not under Education")
endif()
file(READ ${metainfo} info)
if(NOT info MATCHES "<launchable type=\"desktop-id\">${ID}.desktop</launchable>")
  fallisci("the metainfo does not launch " ${ID} ".desktop")
endif()

# Both validators, as strict as they are: any warning fails.
execute_process(COMMAND desktop-file-validate ${desktop}
                RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
if(NOT esito EQUAL 0 OR NOT uscita STREQUAL "")
  fallisci("desktop-file-validate (desktop-file-utils):\n" ${uscita})
endif()
execute_process(COMMAND appstreamcli validate --no-net ${metainfo}
                RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
if(NOT esito EQUAL 0 OR uscita MATCHES "(^|\n)[EW]: ")
  fallisci("appstreamcli validate:\n" ${uscita})
endif()
message(STATUS "${deb}: every file in place and valid")
