#include "ui/main/com_view.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "config/lists.h"
#include "config/numbers.h"
#include "ui/main/widget_helpers.h"

namespace q4410::ui {

namespace {

template <std::size_t N>
void FillList(QComboBox* list, const std::array<std::string_view, N>& entries, int selected) {
  list->clear();
  for (std::string_view entry : entries) list->addItem(QtText(entry));
  list->setCurrentIndex(selected >= 0 && selected < static_cast<int>(N) ? selected : -1);
}

QString Trimmed(const QString& text) {
  return QtText(Trim(text.toStdString()));
}

}  // namespace

ComView BuildComView(QWidget* parent) {
  ComView v;
  v.COMParaSeteing = Frame(parent, "COMParaSeteing", "COM Port Setting");
  v.COMParaView = Frame(parent, "COMParaView", "COM Port Parameters Viewer");
  auto* setting = new QGridLayout(v.COMParaSeteing);
  const char* captions[] = {"Baud rate", "Data Bit", "Parity",   "Stop Bit",      "Baud rate",
                            "Data Bit",  "Parity",   "Stop Bit", "Time Out (ms)", "Timeout"};
  for (int i = 0; i < 10; ++i) {
    QWidget* owner = (i <= 3 || i == 8) ? v.COMParaSeteing : v.COMParaView;
    v.ComSetting[i] = Label(owner, IndexedName("ComSetting", i), captions[i]);
  }
  v.ComBr = List(v.COMParaSeteing, "ComBr");
  v.ComDb = List(v.COMParaSeteing, "ComDb");
  v.ComPb = List(v.COMParaSeteing, "ComPb");
  v.ComSb = List(v.COMParaSeteing, "ComSb");
  QComboBox* lists[] = {v.ComBr, v.ComDb, v.ComPb, v.ComSb};
  for (int i = 0; i < 4; ++i) {
    setting->addWidget(v.ComSetting[i], i, 0);
    setting->addWidget(lists[i], i, 1, 1, 2);
  }
  v.ComTimeout = TextBox(v.COMParaSeteing, "ComTimeout", false);
  v.ComTimeout->setMaximumWidth(80);
  v.Label1 = Label(v.COMParaSeteing, "Label1", "( Default: 200 ms )");
  setting->addWidget(v.ComSetting[8], 4, 0);
  setting->addWidget(v.ComTimeout, 4, 1);
  setting->addWidget(v.Label1, 4, 2);
  v.SettingCOMParameter = Button(v.COMParaSeteing, "SettingCOMParameter", "Set");
  setting->addWidget(v.SettingCOMParameter, 5, 2, Qt::AlignRight);
  setting->setColumnStretch(2, 1);

  auto* viewer = new QGridLayout(v.COMParaView);
  const int rows[] = {4, 5, 6, 7, 9};
  for (int i = 0; i < 5; ++i) {
    v.COMViewerText[i] = TextBox(v.COMParaView, IndexedName("COMViewerText", i), true);
    viewer->addWidget(v.ComSetting[rows[i]], i, 0);
    viewer->addWidget(v.COMViewerText[i], i, 1);
  }
  viewer->setRowStretch(5, 1);
  return v;
}

void FillComView(ComView& view, const ParaDef& rec) {
  view.COMParaSeteing->show();
  view.COMParaView->show();
  view.SettingCOMParameter->show();
  FillList(view.ComBr, kComBaudEntries, rec.ComBaudCode);
  view.COMViewerText[0]->setText(Trimmed(view.ComBr->currentText()));
  FillList(view.ComDb, kComDataBitEntries, rec.ComDataBits - 8);
  view.COMViewerText[1]->setText(view.ComDb->currentText());  // as listed, blanks and all
  FillList(view.ComPb, kComParityEntries, rec.ComParity);
  view.COMViewerText[2]->setText(Trimmed(view.ComPb->currentText()));
  FillList(view.ComSb, kComStopBitEntries, rec.ComStopBits - 1);
  view.COMViewerText[3]->setText(Trimmed(view.ComSb->currentText()));
  view.ComTimeout->setText(QtText(Decimal(rec.ComTimeoutMs)));
  view.COMViewerText[4]->setText(Trimmed(view.ComTimeout->text()) + " ms");
}

void ShowComSetting(ComView& view, const ParaDef& rec) {
  view.COMViewerText[0]->setText(Trimmed(view.ComBr->currentText()));
  view.COMViewerText[1]->setText(Trimmed(view.ComDb->currentText()));
  view.COMViewerText[2]->setText(Trimmed(view.ComPb->currentText()));
  view.COMViewerText[3]->setText(Trimmed(view.ComSb->currentText()));
  view.COMViewerText[4]->setText(QtText(Decimal(rec.ComTimeoutMs)) + " ms");
}

}  // namespace q4410::ui
