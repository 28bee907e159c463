#include "ui/draw_equation.h"

#include <QComboBox>

#include "ui/dialogs.h"
#include "ui/frm_graph.h"
#include "ui/kurvalon_page.h"

void drawEquation(FrmGraph& window, const QString& equation) {
  if (equation.isEmpty()) {
    showError(window.dialogs(),
              QStringLiteral("Sie haben noch keine Funktionsgleichung berechnet!"));
    return;
  }
  QComboBox* list = window.cboFunktionsterm();
  if (list->findText(equation, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
    list->setEditText(equation);
    list->addItem(equation);
    // Adding to an empty list shows that entry; the edit field keeps the equation either way.
    list->setEditText(equation);
    window.canvas().setForeColor(window.kurvalonPage()->appearance().curveColor(list->count() - 1));
  }
  window.Graph_zeichnen(equation);
}
