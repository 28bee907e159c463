#pragma once
// The settings page "Integral": antiderivatives, the area between a curve and
// the x axis, and the area between two curves, hatched on the canvas.

#include <QLineF>
#include <QList>
#include <QWidget>
#include <variant>

class QLabel;
class QLineEdit;
class QPushButton;
class Dialogs;
class Sheet;

class IntegralPage : public QWidget {
  Q_OBJECT

 public:
  explicit IntegralPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent = nullptr);

  // Opening the tab: limits back to a and b, integrands from the entry field,
  // the two-curve calculator prepared by the number of curves.
  void opened();
  // Enter in the function field puts the term into the integrand display.
  void termAdded(const QString& term);
  void cmdInt();
  void cmdIntegral1();
  void cmdIntegral2();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildSymbolicFrame();
  QWidget* buildAxisFrame();
  QWidget* buildTwoCurvesFrame();
  void drawHatching(const std::variant<QList<QLineF>, QString>& lines);

  Sheet& sheet_;
  Dialogs& dialogs_;
  QLineEdit* txtInt_ = nullptr;
  QLabel* lblParameterHinweis_ = nullptr;
  QLineEdit* txtIntSymb_ = nullptr;
  QLineEdit* txtIntegrand_ = nullptr;
  QLineEdit* txt_unten_ = nullptr;
  QLineEdit* txt_oben_ = nullptr;
  QPushButton* cmdIntegral1_ = nullptr;
  QLineEdit* txtIntegral2_ = nullptr;
  QLineEdit* txtUntergrenze_ = nullptr;
  QLineEdit* txtObergrenze_ = nullptr;
  QPushButton* cmdIntegral2_ = nullptr;
  QLabel* lblInt2Kurven_ = nullptr;
  bool grenzeUntenEingegeben = false;
  bool grenzeObenEingegeben = false;
};
