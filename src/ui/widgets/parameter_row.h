#pragma once
// The row under the function entry field for a term with a parameter: "t =",
// a slider, the value, von, bis and Schrittweite, and "Schar zeichnen". It
// shows a Parameter and says what the user set; the window passes that on.

#include <QWidget>

#include "plot/parameter.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

class ParameterRow : public QWidget {
  Q_OBJECT

 public:
  explicit ParameterRow(QWidget* parent = nullptr);

  // Shows the settings; the fields a person is typing in keep their text.
  void show(const Parameter& parameter);

  QLabel* lblParameter() const { return lblParameter_; }
  QSlider* sldParameter() const { return sldParameter_; }
  QLineEdit* txtParameterWert() const { return txtParameterWert_; }
  QLineEdit* txtParameterVon() const { return txtParameterVon_; }
  QLineEdit* txtParameterBis() const { return txtParameterBis_; }
  QLineEdit* txtParameterSchritt() const { return txtParameterSchritt_; }
  QPushButton* cmdSchar() const { return cmdSchar_; }

 signals:
  void changed(const Parameter& parameter);
  void dragStarted();
  void dragEnded();
  void familyWanted();
  void refused(const QString& message);

 private:
  // The fields read as they stand, or a German message.
  void readFields();
  void slid(int position);

  Parameter shown_;
  QLabel* lblParameter_ = nullptr;
  QSlider* sldParameter_ = nullptr;
  QLineEdit* txtParameterWert_ = nullptr;
  QLineEdit* txtParameterVon_ = nullptr;
  QLineEdit* txtParameterBis_ = nullptr;
  QLineEdit* txtParameterSchritt_ = nullptr;
  QPushButton* cmdSchar_ = nullptr;
};
