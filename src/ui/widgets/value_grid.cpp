#include "ui/widgets/value_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace {

// Marks a cell whose background the program chose, so setDataColour leaves it alone.
constexpr int kOwnBackground = Qt::UserRole + 1;

constexpr double kTwipsPerInch = 1440.0;

int pixelsFromTwips(int twips, int dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

int twipsFromPixels(int pixels, int dpi) {
  return static_cast<int>(std::lround(pixels * kTwipsPerInch / dpi));
}

bool isHeading(int row, int col) {
  return row == 0 || col == 0;
}

}  // namespace

ValueGrid::ValueGrid(QWidget* parent) : QTableWidget(parent) {
  // The heading cells are real cells, so Qt's own headers would only duplicate them.
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(0);  // a zero width hides a column
  verticalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  setEditTriggers(NoEditTriggers);
  setSelectionMode(SingleSelection);
  setSelectionBehavior(SelectItems);
  setTabKeyNavigation(false);  // Tab leaves the grid instead of walking onto heading cells
  setCornerButtonEnabled(false);
  setWordWrap(false);
  // Composed text would go to Qt's keyboard search, which moves the current cell.
  setAttribute(Qt::WA_InputMethodEnabled, false);

  // Qt moves its current cell on mouse drags between data cells; ours follows.
  connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
    if (row >= 1 && col >= 1) {
      row_ = row;
      col_ = col;
    }
  });
}

bool ValueGrid::contains(int row, int col) const {
  return row >= 0 && row < rowCount() && col >= 0 && col < columnCount();
}

void ValueGrid::setRows(int count) {
  count = std::max(count, 0);
  const int old = rowCount();
  setRowCount(count);
  for (int r = old; r < count; ++r) {
    for (int c = 0; c < columnCount(); ++c) styleCell(r, c);
  }
  if (count == 0) {
    row_ = 1;  // the first data row, once there is one again
  } else if (row_ >= count) {
    row_ = count - 1;
  }
  showCurrent();
}

void ValueGrid::setCols(int count) {
  count = std::max(count, 0);
  const int old = columnCount();
  setColumnCount(count);
  for (int r = 0; r < rowCount(); ++r) {
    for (int c = old; c < count; ++c) styleCell(r, c);
  }
  if (count == 0) {
    col_ = 1;
  } else if (col_ >= count) {
    col_ = count - 1;
  }
  showCurrent();
}

void ValueGrid::setCurrent(int row, int col) {
  if (!contains(row, col)) return;
  row_ = row;
  col_ = col;
  showCurrent();
}

void ValueGrid::showCurrent() {
  if (!contains(row_, col_)) return;
  if (isHeading(row_, col_)) {
    // Qt cannot select a heading cell; no data cell may look current instead.
    if (selectionModel()) selectionModel()->clear();
  } else if (currentRow() != row_ || currentColumn() != col_ || !item(row_, col_)->isSelected()) {
    setCurrentCell(row_, col_);
  }
}

QString ValueGrid::textAt(int row, int col) const {
  const QTableWidgetItem* it = item(row, col);
  return it ? it->text() : QString();
}

void ValueGrid::setTextAt(int row, int col, const QString& text) {
  if (!contains(row, col)) return;
  cell(row, col)->setText(text);
}

void ValueGrid::clearAll() {
  for (int r = 0; r < rowCount(); ++r) {
    for (int c = 0; c < columnCount(); ++c) {
      cell(r, c)->setText(QString());
      styleCell(r, c);
    }
  }
}

void ValueGrid::setCellBackground(const QColor& colour) {
  if (!contains(row_, col_)) return;
  QTableWidgetItem* it = cell(row_, col_);
  it->setBackground(colour);
  it->setData(kOwnBackground, true);
}

void ValueGrid::setCellForeground(const QColor& colour) {
  if (!contains(row_, col_)) return;
  cell(row_, col_)->setForeground(colour);
}

void ValueGrid::setDataColour(const QColor& colour) {
  dataColour_ = colour;
  for (int r = 1; r < rowCount(); ++r) {
    for (int c = 1; c < columnCount(); ++c) {
      QTableWidgetItem* it = cell(r, c);
      if (!it->data(kOwnBackground).toBool()) it->setBackground(colour);
    }
  }
}

void ValueGrid::setColumnWidthTwips(int col, int twips) {
  setColumnWidth(col, pixelsFromTwips(twips, logicalDpiX()));
}

int ValueGrid::columnWidthTwips(int col) const {
  return twipsFromPixels(columnWidth(col), logicalDpiX());
}

void ValueGrid::typeCharacter(QChar typed) {
  if (!contains(row_, col_)) return;
  QTableWidgetItem* it = cell(row_, col_);
  QString text = it->text();
  if (typed == QLatin1Char('\b')) {
    text.chop(1);
  } else {
    if (typed == QLatin1Char('.')) typed = QLatin1Char(',');
    const bool digit = typed >= QLatin1Char('0') && typed <= QLatin1Char('9');
    if (!digit && typed != QLatin1Char(',') && typed != QLatin1Char('-')) return;
    text += typed;
  }
  it->setText(text);
}

void ValueGrid::keyPressEvent(QKeyEvent* event) {
  int dRow = 0, dCol = 0;
  switch (event->key()) {
    case Qt::Key_Up:
      dRow = -1;
      break;
    case Qt::Key_Down:
      dRow = 1;
      break;
    case Qt::Key_Left:
      dCol = -1;
      break;
    case Qt::Key_Right:
      dCol = 1;
      break;
    case Qt::Key_Backspace:
      typeCharacter(QLatin1Char('\b'));
      event->accept();
      return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
      // Qt's view only reports activation here and leaves the cell where it is.
      QTableWidget::keyPressEvent(event);
      return;
    default: {
      // Qt's handling would run a keyboard search or move with Home/End/PgUp onto headings.
      const QString text = event->text();
      bool printable = !text.isEmpty();
      for (QChar c : text) printable = printable && c.isPrint();
      if (!printable) {
        event->ignore();
        return;
      }
      for (QChar c : text) typeCharacter(c);
      event->accept();
      return;
    }
  }
  // Arrows move between data cells only; at the edge, or into a heading, they stay.
  const int row = row_ + dRow, col = col_ + dCol;
  if (row >= 1 && col >= 1 && contains(row, col)) setCurrent(row, col);
  event->accept();
}

void ValueGrid::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (!index.isValid() || isHeading(index.row(), index.column())) {
    event->accept();
    return;
  }
  row_ = index.row();
  col_ = index.column();
  QTableWidget::mousePressEvent(event);
  showCurrent();  // Qt keeps its current cell if it already was this one
}

QTableWidgetItem* ValueGrid::cell(int row, int col) {
  if (!item(row, col)) styleCell(row, col);
  return item(row, col);
}

void ValueGrid::styleCell(int row, int col) {
  QTableWidgetItem* it = item(row, col);
  if (!it) {
    it = new QTableWidgetItem;
    setItem(row, col, it);
  }
  const bool heading = isHeading(row, col);
  // Heading cells are not selectable, so a mouse drag cannot make them current either.
  it->setFlags(heading ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  it->setBackground(heading ? palette().color(QPalette::Button) : dataColour_);
  it->setForeground(palette().color(heading ? QPalette::ButtonText : QPalette::Text));
  it->setData(kOwnBackground, QVariant());
}

ValueGrid* ValueGrid::named(const char* name, int rows, int cols) {
  auto* grid = new ValueGrid;
  grid->setObjectName(QLatin1String(name));
  grid->setRows(rows);
  grid->setCols(cols);
  return grid;
}
