#pragma once
// The "Graph" tab: the function entry field above the canvas, the settings
// tab strip at the right.

#include <QWidget>

class QComboBox;
class QLineEdit;
class QTabWidget;
class Canvas;
class CanvasWidget;
class KurvalonPage;

class GraphPage : public QWidget {
  Q_OBJECT

 public:
  GraphPage(Canvas& canvas, QWidget* parent = nullptr);

  QComboBox* cboFunktionsterm() const { return cboFunktionsterm_; }
  QLineEdit* txtFunktionsart() const { return txtFunktionsart_; }
  CanvasWidget* picGraph() const { return picGraph_; }
  QTabWidget* tabParameter() const { return tabParameter_; }
  KurvalonPage* kurvalonPage() const { return kurvalonPage_; }

  // Puts a settings page in place of the empty one at `index`.
  void setParameterPage(int index, QWidget* page);

  static constexpr int kParameterWidth = 460;  // the settings strip keeps this width

 private:
  QLineEdit* txtFunktionsart_ = nullptr;
  QComboBox* cboFunktionsterm_ = nullptr;
  CanvasWidget* picGraph_ = nullptr;
  QTabWidget* tabParameter_ = nullptr;
  KurvalonPage* kurvalonPage_ = nullptr;
};
