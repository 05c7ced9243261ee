# The window, the setup steps pane and the settings sheet.
target_sources(skaldrun_ui PRIVATE
  AlertPresenter.cpp AlertPresenter.h
  Application.cpp Application.h
  AppTitle.cpp AppTitle.h
  CommandRow.cpp CommandRow.h
  FlowLayout.cpp FlowLayout.h
  MainWindow.cpp MainWindow.h
  SettingsSheet.cpp SettingsSheet.h
  SetupBubble.cpp SetupBubble.h
  ShellKit.cpp ShellKit.h
  StepCard.cpp StepCard.h
  StepsPane.cpp StepsPane.h)
