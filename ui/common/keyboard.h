// Keyboard behaviour shared by the windows: Enter presses the focused button, and Enter in
// an entry field presses the button that takes that field's value over.
#pragma once

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace q4410::ui {

// Every push button of `window` is pressed by Enter or Return while it has the focus, as by
// Space. (Outside dialogs Qt leaves Enter to the window.)
void EnterPressesFocusedButtons(QWidget* window);

// Enter or Return in `field` presses `button` when the button can be pressed now (shown
// and enabled).
void PressOnEnter(QLineEdit* field, QAbstractButton* button);

}  // namespace q4410::ui
