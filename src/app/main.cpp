#include <QApplication>

#include "ui/frm_graph.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  FrmGraph window;
  window.show();
  return application.exec();
}
