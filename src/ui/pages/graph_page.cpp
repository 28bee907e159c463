#include "ui/pages/graph_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/widgets/canvas_widget.h"
#include "ui/widgets/parameter_row.h"

namespace {

// Keeps a settings page usable in a low window.
QScrollArea* scrollable(QWidget* page) {
  auto* scroll = new QScrollArea;
  scroll->setWidget(page);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  return scroll;
}

}  // namespace

GraphPage::GraphPage(const Canvas& canvas, QWidget* parent) : QWidget(parent) {
  txtFunktionsart_ = new QLineEdit(QStringLiteral("f(x) ="));
  txtFunktionsart_->setObjectName(QStringLiteral("txtFunktionsart"));
  txtFunktionsart_->setFixedWidth(48);

  cboFunktionsterm_ = new QComboBox;
  cboFunktionsterm_->setObjectName(QStringLiteral("cboFunktionsterm"));
  cboFunktionsterm_->setEditable(true);
  cboFunktionsterm_->setInsertPolicy(QComboBox::NoInsert);  // the window adds entries itself
  cboFunktionsterm_->setEditText(QStringLiteral("x^2-2x"));

  parameterRow_ = new ParameterRow;
  parameterRow_->hide();

  picGraph_ = new CanvasWidget(canvas);
  picGraph_->setObjectName(QStringLiteral("picGraph"));

  tabParameter_ = new QTabWidget;
  tabParameter_->setObjectName(QStringLiteral("tabParameter"));
  tabParameter_->setFixedWidth(kParameterWidth);

  auto* entry = new QHBoxLayout;
  entry->addWidget(txtFunktionsart_);
  entry->addWidget(cboFunktionsterm_, 1);
  auto* left = new QVBoxLayout;
  left->addLayout(entry);
  left->addWidget(parameterRow_);
  left->addWidget(picGraph_, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addWidget(tabParameter_);
}

void GraphPage::addParameterPage(QWidget* page, const QString& caption) {
  tabParameter_->addTab(scrollable(page), caption);
}
