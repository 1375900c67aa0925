# Installs the build into a fresh prefix and checks that a desktop finds the
# program, its entry and its icons where it looks for them.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path bin/dravolt bin/dravolt-boards share/applications/dravolt.desktop share/doc/dravolt/README.md
             share/icons/hicolor/48x48/apps/dravolt.png share/icons/hicolor/256x256/apps/dravolt.png)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/dravolt.desktop" entry)
foreach(line "Type=Application" "Exec=dravolt" "Icon=dravolt" "Categories=Game;LogicGame;")
  string(FIND "${entry}" "${line}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
