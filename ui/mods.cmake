# The mods pane, the catalog browser and the config editor.
target_sources(skaldrun_ui PRIVATE
  ModsPane.cpp ModsPane.h
  ModRow.cpp ModRow.h
  DropZone.cpp DropZone.h
  Banner.cpp Banner.h
  ShaderFixBanner.cpp ShaderFixBanner.h
  Controls.cpp Controls.h
  BrowseModel.cpp BrowseModel.h
  BrowseRow.cpp BrowseRow.h
  BrowseView.cpp BrowseView.h
  PackageIcons.cpp PackageIcons.h
  ConfigEditorSheet.cpp ConfigEditorSheet.h
  ConfigEntryRow.cpp ConfigEntryRow.h)
