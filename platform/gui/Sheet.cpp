#include "platform/gui/Sheet.h"

#include <QDialog>

namespace Sheet {

void present(QDialog& dialog) {
#ifdef Q_OS_MACOS
    dialog.setWindowFlags((dialog.windowFlags() & ~Qt::WindowType_Mask) | Qt::Sheet);
#endif
    dialog.setWindowModality(Qt::WindowModal);
}

} // namespace Sheet
