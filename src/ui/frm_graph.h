#pragma once
// The main window. It grows page by page; for now it is the empty frame.

#include <QMainWindow>

class FrmGraph : public QMainWindow {
  Q_OBJECT

 public:
  explicit FrmGraph(QWidget* parent = nullptr);
};
