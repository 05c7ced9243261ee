#pragma once

class QApplication;

namespace Application {

// Names, look and title font of the one application object; shared by the app and the demo.
void setUp(QApplication& app);

} // namespace Application
