#pragma once
// The value tables of the calculator tabs: a grid of text cells whose row 0
// and column 0 are fixed heading cells. The user cannot select a heading cell
// with the mouse or the arrow keys, but the program may make one current, and
// typing always goes to the current cell: digits, "," ("." becomes ","), and
// "-" are appended, Backspace removes the last character, everything else is
// dropped.

#include <QColor>
#include <QRect>
#include <QTableWidget>

class ValueGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit ValueGrid(QWidget* parent = nullptr);
  // A grid with its object name and size.
  static ValueGrid* named(const char* name, int rows, int cols);

  int rows() const { return rowCount(); }
  int cols() const { return columnCount(); }
  void setRows(int count);  // new cells are empty; heading cells keep their look
  void setCols(int count);

  // The current cell; the program may choose a heading cell.
  int row() const { return row_; }
  int col() const { return col_; }
  void setCurrent(int row, int col);

  QString text() const { return textAt(row_, col_); }  // of the current cell
  void setText(const QString& text) { setTextAt(row_, col_, text); }
  QString textAt(int row, int col) const;
  void setTextAt(int row, int col, const QString& text);

  // Empties every cell's text and colours; the counts stay.
  void clearAll();

  // Colours of the current cell (a heading cell too).
  void setCellBackground(const QColor& colour);
  void setCellForeground(const QColor& colour);

  // The colour of data cells (light yellow for the Horner table).
  void setDataColour(const QColor& colour);

  // Widths and geometry in twips (1/1440 inch, at the screen's logical DPI).
  void setColumnWidthTwips(int col, int twips);
  int columnWidthTwips(int col) const;

  // Applies the typing rule to one typed character (what a key press does).
  void typeCharacter(QChar typed);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool contains(int row, int col) const;
  QTableWidgetItem* cell(int row, int col);  // creates a styled cell if missing
  void styleCell(int row, int col);          // back to the heading or data look
  void showCurrent();                        // brings Qt's current cell and selection in step

  int row_ = 1, col_ = 1;
  QColor dataColour_ = Qt::white;
};
