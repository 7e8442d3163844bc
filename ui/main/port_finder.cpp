#include "ui/main/port_finder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <vector>

#include "link/module_finder.h"

namespace q4410::ui {

PortFinder::PortFinder(QWidget* window, Session& session, const LinkArea& link,
                       std::function<void(bool)> linkEnabled)
    : QObject(window),
      window_(window),
      session_(session),
      link_(link),
      linkEnabled_(std::move(linkEnabled)) {
  connect(link_.Find, &QPushButton::clicked, this, &PortFinder::Find);
}

void PortFinder::Find() {
  Link& moduleLink = session_.link;
  if (moduleLink.LinkBusy) return;
  const std::vector<std::string> ports = moduleLink.ComPorts;
  if (ports.empty()) {
    session_.boxes.Show(window_, "No serial port found!", "Error");
    return;
  }
  // A search is a dialogue with the ports like a connect: nothing else may start meanwhile.
  moduleLink.LinkBusy = true;
  linkEnabled_(false);
  link_.Find->setEnabled(false);
  link_.ConnectProgress->setRange(0, static_cast<int>(ports.size()));
  link_.ConnectProgress->setValue(0);
  link_.ConnectProgress->show();
  std::string report;
  int found = -1;
  for (std::size_t i = 0; i < ports.size(); ++i) {
    link_.CommunicationState->setText(QString::fromStdString("Finding module: " + ports[i]));
    const ProbeResult result = ProbePort(session_.link.port, ports[i], session_.link.env);
    report += ports[i] + ": " + DescribeProbe(result) + "\n";
    if (result.outcome == ProbeOutcome::Found && found < 0) found = static_cast<int>(i);
    link_.ConnectProgress->setValue(static_cast<int>(i) + 1);
  }
  link_.ConnectProgress->hide();
  link_.Find->setEnabled(true);
  linkEnabled_(true);
  moduleLink.LinkBusy = false;

  if (found >= 0) link_.ComPort->setCurrentIndex(found);
  link_.CommunicationState->setText(found >= 0
                                        ? QString::fromStdString("Module found on " + ports[found])
                                        : QString("No module found"));
  report.pop_back();
  session_.boxes.Show(window_, report, "Find");
}

}  // namespace q4410::ui
