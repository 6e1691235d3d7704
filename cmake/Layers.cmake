# SPDX-License-Identifier: GPL-2.0-or-later
# The layers of the program and their graph, written once: the build links each layer's library to
# what it uses, and the layer_includes test (cmake/CheckLayers.cmake) holds every #include to the
# same table.
#
#   norvane_layer_entry(<folder> LIBRARY <target> BELOW <layers>... USES <layers>...)
#
# BELOW names the layers right under it: its files may include them and whatever lies under those,
# nothing above or beside. USES names exactly the layers its files include (its own aside); its
# library links theirs. A folder not there (yet) keeps its place in the graph.
macro(norvane_layer_entry folder)
  cmake_parse_arguments(_layer "" "LIBRARY" "BELOW;USES" ${ARGN})
  list(APPEND NORVANE_LAYERS ${folder})
  set(NORVANE_LAYER_LIBRARY_${folder} ${_layer_LIBRARY})
  set(NORVANE_LAYER_BELOW_${folder} ${_layer_BELOW})
  set(NORVANE_LAYER_USES_${folder} ${_layer_USES})
endmacro()

set(NORVANE_LAYERS)
norvane_layer_entry(platform LIBRARY norvane_platform)
norvane_layer_entry(res      LIBRARY norvane_res)
norvane_layer_entry(config   LIBRARY norvane_config   BELOW platform res        USES platform res)
norvane_layer_entry(ui/base  LIBRARY norvane_ui_base  BELOW res config          USES res platform)
norvane_layer_entry(ui       LIBRARY norvane_ui       BELOW ui/base             USES ui/base config res platform)
norvane_layer_entry(ui/host  LIBRARY norvane_ui_host  BELOW ui                  USES ui/base res platform)
norvane_layer_entry(ui/qt    LIBRARY norvane_qt_host  BELOW ui/host             USES ui/host ui/base res platform)
norvane_layer_entry(ui/tui   LIBRARY norvane_tui_host BELOW ui/host             USES ui/host ui/base res platform)
norvane_layer_entry(cli      LIBRARY norvane_cli      BELOW config res platform USES config res platform)
norvane_layer_entry(app      LIBRARY norvane_app      BELOW ui/qt ui/tui        USES ui/qt ui/tui ui ui/base res platform)
