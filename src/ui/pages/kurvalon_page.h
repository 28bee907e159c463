#pragma once
// The first settings page, "Kurvalon": the view window, the colour palette,
// the grid, the line width of curves and the function calculator. The page
// shows the sheet's settings and passes what the user changes on.

#include <QWidget>
#include <array>

#include "plot/appearance.h"
#include "plot/view_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class ClickableLabel;
class Swatch;

class KurvalonPage : public QWidget {
  Q_OBJECT

 public:
  explicit KurvalonPage(QWidget* parent = nullptr);

  ViewTexts viewTexts() const;
  void setViewTexts(const ViewTexts& texts);
  Appearance appearance() const;
  // Sets the controls to the sheet's appearance (after undo, redo or recovery).
  void showAppearance(const Appearance& appearance);
  int lineWidth() const;

  QColor swatchColor(int index) const;
  // Sets the swatch and the text colour of its caption.
  void setSwatchColor(int index, const QColor& color);
  QColor gridColor() const;
  void setGridColor(const QColor& color);

  QLineEdit* txtX() const { return txtX_; }
  QLineEdit* txtErgebnis() const { return txtErgebnis_; }
  QLabel* lblResult() const { return lblResult_; }

 signals:
  void viewTextsEdited();         // a view field's text changed
  void viewEntered();             // Enter in a view field
  void appearanceChanged();       // grid switch or style
  void lineWidthChosen();         // a line-width option was clicked
  void swatchClicked(int index);  // swatch or caption
  void gridColorClicked();
  void calculateRequested();  // Enter in the x field of the calculator

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildViewFrame();
  QWidget* buildPaletteFrame();
  QWidget* buildGridFrame();
  QWidget* buildLineFrame();
  QWidget* buildCalculatorFrame();

  std::array<QLineEdit*, 6> txtKoordinaten_{};
  std::array<Swatch*, kPaletteSize> picGraphFarben_{};
  std::array<ClickableLabel*, kPaletteSize> lblGraphFarben_{};
  QCheckBox* chkGrid_ = nullptr;
  std::array<QRadioButton*, 2> optGitter_{};
  Swatch* picFarbeGitter_ = nullptr;
  std::array<QRadioButton*, 3> optLine_{};
  QLineEdit* txtX_ = nullptr;
  QLineEdit* txtErgebnis_ = nullptr;
  QLabel* lblResult_ = nullptr;
};
