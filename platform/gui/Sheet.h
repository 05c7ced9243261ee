#pragma once

class QDialog;

// How a dialog that belongs to one window shows itself: on macOS a sheet sliding from the window's
// title bar, elsewhere a window-modal dialog over it.
namespace Sheet {

void present(QDialog& dialog);

} // namespace Sheet
