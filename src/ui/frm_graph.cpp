#include "ui/frm_graph.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <tuple>
#include <variant>

#include "engine/function_calculator.h"
#include "plot/coordinate_system.h"
#include "ui/canvas_widget.h"
#include "ui/dgl_page.h"
#include "ui/dialogs.h"
#include "ui/differential_page.h"
#include "ui/gauss_page.h"
#include "ui/graph_page.h"
#include "ui/horner_page.h"
#include "ui/integral_page.h"
#include "ui/interpolation_pages.h"
#include "ui/kurvalon_page.h"
#include "ui/linear_page.h"
#include "ui/quadratic_page.h"
#include "ui/series_page.h"
#include "ui/tab_pages.h"

namespace {

const QString kTermError = QStringLiteral("Fehler bei der Eingabe des Funktionsterms!");

}  // namespace

FrmGraph::FrmGraph(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmGraph"));
  setWindowTitle(QStringLiteral("Kurvalon"));
  dialogs_.setParent(this);

  tabMain_ = new QTabWidget;
  tabMain_->setObjectName(QStringLiteral("tabMain"));
  graphPage_ = new GraphPage(canvas_);
  tabMain_->addTab(graphPage_, QStringLiteral("Graph"));
  for (const char* caption :
       {"Horner", "Gauß", "Newton Interpolation", "Spline Interpolation", "Reihen"}) {
    tabMain_->addTab(new QWidget, QString::fromUtf8(caption));
  }
  setCentralWidget(tabMain_);

  sbrGraph_ = new QStatusBar;
  sbrGraph_->setObjectName(QStringLiteral("sbrGraph"));
  for (int i = 1; i <= 2; ++i) {
    auto* panel = new QLabel;
    panel->setObjectName(QStringLiteral("sbrGraph(%1)").arg(i));
    panel->setMinimumWidth(160);
    sbrGraph_->addWidget(panel);
  }
  setStatusBar(sbrGraph_);

  // The two labels lie on the canvas, hidden until the toolbar shows them.
  for (auto [label, name, y] :
       {std::tuple{&lblGraph_, "lblGraph", 8}, std::tuple{&lblKommentar_, "lblKommentar", 32}}) {
    *label = new QLabel(picGraph());
    (*label)->setObjectName(QLatin1String(name));
    (*label)->move(8, y);
    (*label)->setCursor(Qt::OpenHandCursor);
    (*label)->installEventFilter(this);
    (*label)->hide();
  }
  buildToolbar();
  buildMenus();

  graphPage_->setParameterPage(1, new LinearPage(*this));
  graphPage_->setParameterPage(2, new QuadraticPage(*this));
  differentialPage_ = new DifferentialPage(*this);
  graphPage_->setParameterPage(3, differentialPage_);
  setTabParameterAction(3, [this] { differentialPage_->opened(); });
  setPrintTexts([this](PrintedSheet& sheet) { differentialPage_->fillPrintout(sheet); });
  auto* integralPage = new IntegralPage(*this);
  graphPage_->setParameterPage(4, integralPage);
  setTabParameterAction(4, [integralPage] { integralPage->opened(); });
  addTermListener([integralPage](const QString& term) { integralPage->termAdded(term); });
  setMainPage(5, new SeriesPage(*this));
  auto* horner = new HornerPage(*this);
  auto* gauss = new GaussPage(*this);
  auto* newton = new NewtonPage(*this);
  auto* spline = new SplinePage(*this, *newton);
  setMainPage(1, horner);
  setMainPage(2, gauss);
  setMainPage(3, newton);
  setMainPage(4, spline);
  // Every visit to a calculator tab starts from a fresh table.
  setTabMainAction(1, [horner] { horner->newHorner(); });
  setTabMainAction(2, [gauss] { gauss->newGauss(); });
  setTabMainAction(3, [newton] { newton->newNewton(); });
  setTabMainAction(4, [spline] { spline->newSpline(); });
  graphPage_->setParameterPage(5, new DglPage(*this));
  setMinimumSize(900, 640);
  resize(1200, 800);

  connect(tabMain_->tabBar(), &QTabBar::tabBarClicked, this, [this](int tab) {
    if (tab >= 0 && tabMainActions_[tab]) {
      tabMain_->setCurrentIndex(tab);
      tabMainActions_[tab]();
    }
  });
  // A double click also counts as a click on its tab; going back waits until
  // that click is handled.
  connect(tabMain_->tabBar(), &QTabBar::tabBarDoubleClicked, this, [this] {
    QTimer::singleShot(0, this, [this] {
      tabMain_->setCurrentIndex(0);
      tabParameter()->setCurrentIndex(0);
    });
  });
  connect(tabParameter()->tabBar(), &QTabBar::tabBarClicked, this, [this](int tab) {
    if (tab >= 0 && tabParameterActions_[tab]) {
      tabParameter()->setCurrentIndex(tab);
      tabParameterActions_[tab]();
    }
  });

  // Keys reach the entry field through the combo box or its line edit,
  // depending on where the focus is.
  cboFunktionsterm()->installEventFilter(this);
  cboFunktionsterm()->lineEdit()->installEventFilter(this);
  CanvasWidget* canvasWidget = graphPage_->picGraph();
  connect(canvasWidget, &CanvasWidget::resized, this, &FrmGraph::canvasResized);
  connect(canvasWidget, &CanvasWidget::pressed, this, &FrmGraph::canvasPressed);
  connect(canvasWidget, &CanvasWidget::moved, this, &FrmGraph::canvasMoved);
  connect(canvasWidget, &CanvasWidget::released, this, &FrmGraph::canvasReleased);
  connect(canvasWidget, &CanvasWidget::labelDropped, this, &FrmGraph::labelDropped);

  KurvalonPage* page = kurvalonPage();
  connect(page, &KurvalonPage::viewEntered, this, &FrmGraph::redraw);
  connect(page, &KurvalonPage::appearanceChanged, this, &FrmGraph::redraw);
  connect(page, &KurvalonPage::lineWidthChosen, this, &FrmGraph::lineWidthChosen);
  connect(page, &KurvalonPage::swatchClicked, this, &FrmGraph::chooseSwatchColor);
  connect(page, &KurvalonPage::gridColorClicked, this, &FrmGraph::chooseGridColor);
  connect(page, &KurvalonPage::calculateRequested, this, &FrmGraph::calculate);
}

QComboBox* FrmGraph::cboFunktionsterm() const {
  return graphPage_->cboFunktionsterm();
}
KurvalonPage* FrmGraph::kurvalonPage() const {
  return graphPage_->kurvalonPage();
}
QTabWidget* FrmGraph::tabParameter() const {
  return graphPage_->tabParameter();
}
CanvasWidget* FrmGraph::picGraph() const {
  return graphPage_->picGraph();
}

QString FrmGraph::statusPanel(int index) const {
  auto* panel = sbrGraph_->findChild<QLabel*>(QStringLiteral("sbrGraph(%1)").arg(index));
  return panel ? panel->text() : QString();
}

void FrmGraph::setMainPage(int tab, QWidget* page) {
  replaceTabPage(*tabMain_, tab, page);
}

void FrmGraph::setTabMainAction(int tab, std::function<void()> action) {
  tabMainActions_.at(tab) = std::move(action);
}

void FrmGraph::setTabParameterAction(int tab, std::function<void()> action) {
  tabParameterActions_.at(tab) = std::move(action);
}

void FrmGraph::addTermListener(std::function<void(const QString&)> listener) {
  termListeners_.push_back(std::move(listener));
}

bool FrmGraph::Koordinatensystem_zeichnen() {
  std::variant<ViewWindow, QString> read = readViewWindow(kurvalonPage()->viewTexts());
  if (auto* message = std::get_if<QString>(&read)) {
    showError(dialogs_, *message);
    return false;
  }
  view_ = std::get<ViewWindow>(read);
  CanvasWidget* picture = graphPage_->picGraph();
  // The image follows the screen's pixel density; the geometry stays in logical pixels.
  const double ratio = picture->devicePixelRatioF();
  if (canvas_.width() != picture->width() || canvas_.height() != picture->height() ||
      canvas_.devicePixelRatio() != ratio) {
    canvas_.resize(picture->width(), picture->height(), ratio);
  }
  frame_ = ::Koordinatensystem_zeichnen(canvas_, view_, kurvalonPage()->appearance());
  picture->update();
  return true;
}

GraphResult FrmGraph::Graph_zeichnen(const QString& fktTerm) {
  if (cboFunktionsterm()->currentText().isEmpty()) return GraphResult::Drawn;
  GraphResult result = ::Graph_zeichnen(canvas_, engine_, fktTerm, view_, frame_,
                                        kurvalonPage()->lineWidth(), sampling_);
  graphPage_->picGraph()->update();
  return result;
}

void FrmGraph::Graphen_zeichnen() {
  QComboBox* list = cboFunktionsterm();
  Appearance appearance = kurvalonPage()->appearance();
  for (int i = 0; i < list->count(); ++i) {
    list->setCurrentIndex(i);
    canvas_.setForeColor(appearance.curveColor(i));
    Graph_zeichnen(list->currentText());
  }
}

void FrmGraph::redraw() {
  if (Koordinatensystem_zeichnen()) Graphen_zeichnen();
}

void FrmGraph::neu() {
  lblGraph_->hide();
  lblKommentar_->hide();
  canvas_.setPicture(QImage());
  cboFunktionsterm()->clear();
  Koordinatensystem_zeichnen();
}

void FrmGraph::functionEntered() {
  tabParameter()->setCurrentIndex(0);
  QComboBox* list = cboFunktionsterm();
  QString term = list->currentText();
  if (list->findText(term, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
    list->addItem(term);
    list->setEditText(term);
    for (const auto& listener : termListeners_) listener(term);
    canvas_.setForeColor(kurvalonPage()->appearance().curveColor(list->count() - 1));
  }
  if (Graph_zeichnen(list->currentText()) == GraphResult::TermFaulty) {
    showError(dialogs_, kTermError);
  }
}

void FrmGraph::calculate() {
  KurvalonPage* page = kurvalonPage();
  CalculatorResult result =
      ::calculate(engine_, cboFunktionsterm()->currentText(), page->txtX()->text());
  if (result.termMissing) {
    showError(dialogs_, kMissingTermMessage);
    cboFunktionsterm()->setFocus();
    return;
  }
  page->lblResult()->setText(result.caption);
  page->txtErgebnis()->setText(result.result);
}

void FrmGraph::chooseSwatchColor(int index) {
  KurvalonPage* page = kurvalonPage();
  if (std::optional<QColor> color = dialogs_.chooseColor(page->swatchColor(index))) {
    page->setSwatchColor(index, *color);
    redraw();
  }
}

void FrmGraph::chooseGridColor() {
  KurvalonPage* page = kurvalonPage();
  if (std::optional<QColor> color = dialogs_.chooseColor(page->gridColor())) {
    page->setGridColor(*color);
    redraw();
  }
}

void FrmGraph::lineWidthChosen() {
  // With an empty entry field the new width waits for the next drawing.
  if (!cboFunktionsterm()->currentText().isEmpty()) redraw();
}

void FrmGraph::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (isMinimized()) return;
  tabMain_->setCurrentIndex(0);
  cboFunktionsterm()->setFocus();
}

void FrmGraph::canvasResized() {
  redraw();
  cboFunktionsterm()->setFocus();
}

bool FrmGraph::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == lblGraph_ || watched == lblKommentar_) &&
      event->type() == QEvent::MouseButtonPress) {
    labelPressed(static_cast<QLabel*>(watched), static_cast<QMouseEvent*>(event)->position());
    return true;
  }
  if (watched == cboFunktionsterm() || watched == cboFunktionsterm()->lineEdit()) {
    if (event->type() == QEvent::FocusIn) tabMain_->setCurrentIndex(0);
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        functionEntered();
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}
