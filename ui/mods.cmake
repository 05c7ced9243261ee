target_sources(skaldrun_ui PRIVATE ModsPane.cpp ModsPane.h)
