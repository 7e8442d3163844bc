// q4410ctl ports: the port list of the main window, with what the system knows of each port.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <iostream>

#include "cli/commands.h"
#include "link/qt_port_details.h"

namespace q4410::cli {

namespace {

// One line per port with the details in aligned columns; "-" where the system says nothing.
void PrintLong(const std::vector<PortDetails>& ports) {
  std::vector<std::array<std::string, 5>> rows{
      {"PORT", "DESCRIPTION", "MANUFACTURER", "SERIAL", "VID:PID"}};
  for (const PortDetails& p : ports)
    rows.push_back({p.port, p.description, p.manufacturer, p.serialNumber, p.vidPid});
  std::array<std::size_t, 5> width{};
  for (auto& row : rows)
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (row[i].empty()) row[i].assign(1, '-');
      width[i] = std::max(width[i], row[i].size());
    }
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i)
      line += i + 1 < row.size() ? row[i] + std::string(width[i] - row[i].size() + 2, ' ') : row[i];
    std::cout << line << '\n';
  }
}

void PrintJson(const std::vector<PortDetails>& ports) {
  QJsonArray list;
  for (const PortDetails& p : ports) {
    list.append(QJsonObject{{"Port", QString::fromStdString(p.port)},
                            {"Description", QString::fromStdString(p.description)},
                            {"Manufacturer", QString::fromStdString(p.manufacturer)},
                            {"SerialNumber", QString::fromStdString(p.serialNumber)},
                            {"VidPid", QString::fromStdString(p.vidPid)}});
  }
  std::cout << QJsonDocument(list).toJson(QJsonDocument::Indented).toStdString() << std::flush;
}

int Run(const Invocation& in) {
  if (in.IsSet("long") && in.IsSet("json"))
    return in.UsageError("--long and --json exclude each other");
  const std::vector<PortDetails> ports = ScanPortDetails(in.Ports());
  if (in.IsSet("json"))
    PrintJson(ports);
  else if (in.IsSet("long"))
    PrintLong(ports);
  else
    for (const PortDetails& p : ports) std::cout << p.port << '\n';
  return 0;
}

}  // namespace

Command PortsCommand() {
  return {"ports",
          "ports [--port DEVICE]... [--long | --json]",
          "List the serial ports exactly as the main window lists them. Devices given with\n"
          "--port (for example a simulator's pseudo-terminal) come first.",
          {PortOption("A device to list first (repeatable)."),
           QCommandLineOption("long",
                              "Add each port's description, manufacturer, serial number and "
                              "USB VID:PID."),
           QCommandLineOption("json", "The same details as a JSON list.")},
          {"port"},
          Run};
}

}  // namespace q4410::cli
