target_sources(skaldrun_ui PRIVATE MainWindow.cpp MainWindow.h SetupBubble.cpp SetupBubble.h)
