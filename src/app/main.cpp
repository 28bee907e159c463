#include <QApplication>

#include "ui/frm_graph.h"
#include "ui/qt_dialogs.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QtDialogs dialogs;
  FrmGraph window(dialogs);
  window.show();
  return application.exec();
}
