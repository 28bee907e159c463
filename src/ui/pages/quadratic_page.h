#pragma once
// The settings page "quadr. Fkt": the vertex form turned into the normal
// form, and the p,q formula with the vertex; both results can be drawn.

#include <QWidget>
#include <array>

class QGroupBox;
class QLineEdit;
class Dialogs;
class Sheet;

class QuadraticPage : public QWidget {
  Q_OBJECT

 public:
  explicit QuadraticPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent = nullptr);

  void command3();  // vertex form to normal form
  void command4();  // draws the normal form
  void command7();  // p,q formula
  void command8();  // draws the equation of the p,q frame

 private:
  QGroupBox* buildVertexFrame();
  QGroupBox* buildPqFrame();

  Sheet& sheet_;
  Dialogs& dialogs_;
  QLineEdit *Text6_ = nullptr, *Text7_ = nullptr, *Text8_ = nullptr, *Text9_ = nullptr;
  std::array<QLineEdit*, 3> Text10_{};               // a, b, c
  QLineEdit *Text14_ = nullptr, *Text19_ = nullptr;  // the roots
  QLineEdit *Text11_ = nullptr, *Text12_ = nullptr;  // the vertex
  QLineEdit* Text15_ = nullptr;
};
