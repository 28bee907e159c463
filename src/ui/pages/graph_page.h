#pragma once
// The "Graph" tab: the function entry field above the canvas with the row
// of a family's parameter under it, the strip of settings pages at the right.

#include <QWidget>

class QComboBox;
class QLineEdit;
class QTabWidget;
class Canvas;
class CanvasWidget;
class ParameterRow;

class GraphPage : public QWidget {
  Q_OBJECT

 public:
  explicit GraphPage(const Canvas& canvas, QWidget* parent = nullptr);

  QComboBox* cboFunktionsterm() const { return cboFunktionsterm_; }
  QLineEdit* txtFunktionsart() const { return txtFunktionsart_; }
  CanvasWidget* picGraph() const { return picGraph_; }
  // Under the entry field, shown while its term has a parameter.
  ParameterRow* parameterRow() const { return parameterRow_; }
  QTabWidget* tabParameter() const { return tabParameter_; }
  // Adds a settings page as the next tab, scrolling in a low window.
  void addParameterPage(QWidget* page, const QString& caption);

  static constexpr int kParameterWidth = 460;  // the settings strip keeps this width

 private:
  QLineEdit* txtFunktionsart_ = nullptr;
  QComboBox* cboFunktionsterm_ = nullptr;
  CanvasWidget* picGraph_ = nullptr;
  ParameterRow* parameterRow_ = nullptr;
  QTabWidget* tabParameter_ = nullptr;
};
