#pragma once
// The settings page "Schnitt & Tangente": the intersections of two graphs
// chosen from the function list, the tangent and the normal at a point, the
// tangents through an outside point, and the area between two graphs.

#include <QList>
#include <QWidget>
#include <optional>

#include "calculus/curve_discussion.h"
#include "calculus/intersections.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Dialogs;
class Sheet;

class IntersectionPage : public QWidget {
  Q_OBJECT

 public:
  IntersectionPage(Sheet& sheet, Dialogs& dialogs, QWidget* parent = nullptr);

  // The two graph choices from the function list, in its colours: f the
  // entry field's term, g the entry before it or the x axis.
  void refreshGraphs();
  void cmdSchnitt();
  void cmdSchnittZeichnen();
  void cmdTangente();
  void cmdTangenteZeichnen();
  void cmdTangenteDurchPunkt();
  void cmdFlaeche();

 private:
  QWidget* buildMeetingFrame();
  QWidget* buildTangentFrame();
  QWidget* buildAreaFrame();
  // "für t = 2" for the chosen graphs that belong to a family (f only, or f
  // and g); nullopt, after the message, when one has no member at its value.
  std::optional<QString> memberNote(bool both);
  // The chosen graph's term in engine notation ("0" for the x axis), or
  // empty when there is none; its list entry or -1.
  EngineTerm chosen(const QComboBox* box) const;
  int chosenEntry(const QComboBox* box) const;
  bool tangentShown();  // computes the tangent into the fields; false on a message

  Sheet& sheet_;
  Dialogs& dialogs_;
  QComboBox* cboSchnittF_ = nullptr;
  QComboBox* cboSchnittG_ = nullptr;
  QListWidget* lstSchnitt_ = nullptr;
  QPushButton* cmdSchnittZeichnen_ = nullptr;
  QLineEdit* txtTangenteX0_ = nullptr;
  QLineEdit* txtTangente_ = nullptr;
  QLineEdit* txtNormale_ = nullptr;
  QLabel* lblBeruehrpunkt_ = nullptr;
  QCheckBox* chkNormale_ = nullptr;
  QLineEdit* txtTangenteU_ = nullptr;
  QLineEdit* txtTangenteV_ = nullptr;
  QListWidget* lstTangenten_ = nullptr;
  QLineEdit* txtFlaecheVon_ = nullptr;
  QLineEdit* txtFlaecheBis_ = nullptr;
  QLineEdit* txtFlaeche_ = nullptr;
  QListWidget* lstFlaeche_ = nullptr;
  QList<KeyPoint> points_;  // the listed intersections, for marking
  int pointsEntry_ = -1;    // the entry of f when they were found
  Tangent tangent_;         // the one in the fields
};
