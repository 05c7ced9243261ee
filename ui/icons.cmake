# The one table of the app's symbols: each name the views use (the system-symbol names of the
# Mac design) maps to an icon of the Breeze theme, which the set-up installs. The icons are
# embedded as Qt resources (":/symbols/<name>.svg"), so the app looks the same everywhere.
set(SKALDRUN_SYMBOLS
  "gearshape=actions/22/configure.svg"
  "gearshape.fill=actions/22/configure.svg"
  "folder=places/22/folder.svg"
  "folder.fill=places/22/folder.svg"
  "arrow.clockwise=actions/22/view-refresh.svg"
  "v.circle=devices/22/input-gamepad.svg"
  "play.fill=actions/22/media-playback-start.svg"
  "sidebar.left=actions/22/sidebar-collapse-left.svg"
  "checkmark.circle.fill=actions/22/games-solve.svg"
  "checkmark=actions/22/checkmark.svg"
  "exclamationmark.circle.fill=status/22/data-warning.svg"
  "exclamationmark.triangle=status/22/dialog-warning.svg"
  "exclamationmark.triangle.fill=status/22/dialog-warning.svg"
  "info.circle=actions/22/help-about.svg"
  "doc.on.doc=actions/22/edit-copy.svg"
  "paintbrush.pointed.fill=actions/22/draw-brush.svg"
  "shippingbox=mimetypes/64/package-x-generic.svg"
  "puzzlepiece.extension=actions/22/plugins.svg"
  "puzzlepiece.extension.fill=actions/22/plugins.svg"
  "arrow.down.doc=actions/22/document-import.svg"
  "cup.and.saucer.fill=actions/22/help-donate.svg"
  "magnifyingglass=actions/22/edit-find.svg"
  "wifi.exclamationmark=status/22/network-wireless-disconnected.svg"
  "arrow.down.circle=actions/22/download.svg"
  "heart=actions/22/love.svg"
  "internaldrive=devices/22/drive-harddisk.svg"
  "internaldrive.badge.questionmark=status/22/dialog-question.svg"
)

set(SKALDRUN_ICON_THEME_DIR "" CACHE PATH "Folder of the Breeze icon theme (holds actions/, places/, status/ ...)")
if(NOT SKALDRUN_ICON_THEME_DIR)
  find_path(SKALDRUN_BREEZE_FOUND_DIR NAMES actions/22/configure.svg
    PATHS /usr/share/icons/breeze /usr/local/share/icons/breeze /opt/homebrew/share/icons/breeze
          ${CMAKE_PREFIX_PATH}/share/icons/breeze NO_DEFAULT_PATH)
  if(SKALDRUN_BREEZE_FOUND_DIR)
    set(SKALDRUN_ICON_THEME_DIR "${SKALDRUN_BREEZE_FOUND_DIR}" CACHE PATH "" FORCE)
  endif()
endif()
if(NOT SKALDRUN_ICON_THEME_DIR OR NOT EXISTS "${SKALDRUN_ICON_THEME_DIR}/actions/22/configure.svg")
  message(FATAL_ERROR "The Breeze icon theme is missing: install breeze-icon-theme (Debian), or pass "
                      "-DSKALDRUN_ICON_THEME_DIR=<breeze-icons checkout>/icons")
endif()

set(_qrc "<RCC>\n  <qresource prefix=\"/symbols\">\n")
foreach(entry IN LISTS SKALDRUN_SYMBOLS)
  string(REPLACE "=" ";" pair "${entry}")
  list(GET pair 0 symbol)
  list(GET pair 1 file)
  get_filename_component(real "${SKALDRUN_ICON_THEME_DIR}/${file}" REALPATH)
  if(NOT EXISTS "${real}")
    message(FATAL_ERROR "Breeze icon ${file} (for ${symbol}) is missing from ${SKALDRUN_ICON_THEME_DIR}")
  endif()
  string(APPEND _qrc "    <file alias=\"${symbol}.svg\">${real}</file>\n")
endforeach()
string(APPEND _qrc "  </qresource>\n</RCC>\n")
file(GENERATE OUTPUT "${CMAKE_CURRENT_BINARY_DIR}/symbols.qrc" CONTENT "${_qrc}")
