# Installs the build into a fresh prefix and checks that a desktop finds the
# program, its launcher, its entry, its metadata and its icons where it looks
# for them. The Debian package's files are checked in full by tests/package.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path ${BINDIR}/dravolt ${BINDIR}/dravolt-launcher ${BINDIR}/dravolt-boards share/applications/org.dravolt.Dravolt.desktop
             share/metainfo/org.dravolt.Dravolt.metainfo.xml share/doc/dravolt/README.md
             share/icons/hicolor/scalable/apps/org.dravolt.Dravolt.svg share/icons/hicolor/48x48/apps/org.dravolt.Dravolt.png
             share/icons/hicolor/256x256/apps/org.dravolt.Dravolt.png share/doc/dravolt/manual/manual.html share/man/man6/dravolt.6.gz share/dravolt/dravolt-texts.rcc)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/org.dravolt.Dravolt.desktop" entry)
foreach(line "Type=Application" "Exec=dravolt-launcher" "Icon=org.dravolt.Dravolt" "Categories=Game;LogicGame;Qt;")
  string(FIND "${entry}" "${line}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
