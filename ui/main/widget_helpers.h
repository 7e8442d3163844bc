// Small helpers that create the main window's controls with their names and captions.
#pragma once

#include <QString>
#include <string_view>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace q4410::ui {

inline QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "Name_i": the object name of element i of a control array.
QString IndexedName(const char* name, int index);

QGroupBox* Frame(QWidget* parent, const QString& name, const QString& caption);
QLabel* Label(QWidget* parent, const QString& name, const QString& caption);
QComboBox* List(QWidget* parent, const QString& name);
QLineEdit* TextBox(QWidget* parent, const QString& name, bool readOnly);
QPushButton* Button(QWidget* parent, const QString& name, const QString& caption);

// A hidden control keeps its place in the layout, so frames do not jump while the window
// changes state.
void KeepPlaceWhenHidden(QWidget* widget);

}  // namespace q4410::ui
