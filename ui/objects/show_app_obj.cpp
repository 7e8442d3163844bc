#include "ui/objects/show_app_obj.h"

#include "ui/objects/app_object_grid.h"

namespace q4410::ui {

ShowAppObj::ShowAppObj(Session& session, QWidget* parent) : QWidget(parent) {
  BuildAppObjectViewer(this, session.rec,
                       {"ShowAppObj",
                        "Application Object Information",
                        "Application Object Information",
                        "AppObjParaRecord",
                        {"Instance No.", "Device_ID(Att.1)", "IO_Type(Att.2)", "Start_Addr(Att.3)",
                         "Comm_Len(Att.4)"},
                        {1.2, 1.5, 1.3, 1.5, 1.4}});
}

}  // namespace q4410::ui
