#include "ui/objects/show_module.h"

#include "ui/objects/app_object_grid.h"

namespace q4410::ui {

ShowModule::ShowModule(Session& session, QWidget* parent) : QWidget(parent) {
  BuildAppObjectViewer(this, session.rec,
                       {"ShowModule",
                        "Device Information",
                        "Modbus devices Information",
                        "ModuleInfoRecord",
                        {"No.", "Device ID", "IO_Type", "Start_Addr", "Comm_Len"},
                        {1, 1, 1.3, 1, 1}});
}

}  // namespace q4410::ui
