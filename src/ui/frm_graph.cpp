#include "ui/frm_graph.h"

FrmGraph::FrmGraph(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("frmGraph"));
  setWindowTitle(QStringLiteral("Kurvalon"));
  resize(1000, 700);
}
