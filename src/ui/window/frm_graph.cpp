#include "ui/window/frm_graph.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <memory>
#include <utility>

#include "documents/recent_files.h"
#include "documents/recovery_file.h"
#include "engine/function_calculator.h"
#include "ui/pages/dgl_page.h"
#include "ui/pages/differential_page.h"
#include "ui/pages/gauss_page.h"
#include "ui/pages/graph_page.h"
#include "ui/pages/horner_page.h"
#include "ui/pages/integral_page.h"
#include "ui/pages/intersection_page.h"
#include "ui/pages/kurvalon_page.h"
#include "ui/pages/linear_page.h"
#include "ui/pages/newton_page.h"
#include "ui/pages/quadratic_page.h"
#include "ui/pages/series_page.h"
#include "ui/pages/spline_page.h"
#include "ui/pages/steckbrief_page.h"
#include "ui/pages/value_table_page.h"
#include "ui/pages/worked_solution_page.h"
#include "ui/widgets/canvas_widget.h"
#include "ui/widgets/parameter_row.h"
#include "ui/widgets/dialogs.h"

FrmGraph::FrmGraph(Sheet& sheet, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), sheet_(sheet), dialogs_(dialogs) {
  setObjectName(QStringLiteral("frmGraph"));
  setWindowTitle(QStringLiteral("Kurvalon"));
  dialogs_.setParent(this);
  recentFiles_ = std::make_unique<RecentFiles>();
  setAcceptDrops(true);  // sheets dropped from a file manager

  tabMain_ = new QTabWidget;
  tabMain_->setObjectName(QStringLiteral("tabMain"));
  graphPage_ = new GraphPage(sheet_.canvas());
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

  buildToolbar();
  buildMenus();
  buildPages();
  setMinimumSize(900, 640);
  resize(1200, 800);
  connectTabs();
  connectSheet();
  showTerms();
  showHistory();
}

FrmGraph::~FrmGraph() {
  // The controls outlive the sheet by a moment; what they report while they
  // are taken down (a focus leaving the entry field) must not reach it.
  for (QObject* child : findChildren<QObject*>())
    QObject::disconnect(child, nullptr, this, nullptr);
}

void FrmGraph::buildPages() {
  kurvalonPage_ = new KurvalonPage;
  differentialPage_ = new DifferentialPage(sheet_, dialogs_);
  auto* integral = new IntegralPage(sheet_, dialogs_);
  connect(&sheet_, &Sheet::termAdded, integral, &IntegralPage::termAdded);
  auto* series = new SeriesPage(sheet_, dialogs_);
  auto* values = new ValueTablePage(sheet_, dialogs_);
  auto* worked = new WorkedSolutionPage(sheet_, dialogs_);
  connect(differentialPage_, &DifferentialPage::workedSolutionWanted, this,
          [this, worked](const QString& term) {
            tabMain_->setCurrentWidget(worked);
            worked->showSolution(EngineTerm::asIs(term));
          });
  // The calculator tabs share the size they work with: the degree, the
  // number of unknowns, points or intervals; each tab's reset sets it.
  auto n = std::make_shared<std::int16_t>(0);
  auto* horner = new HornerPage(dialogs_, n);
  auto* gauss = new GaussPage(dialogs_, n);
  auto* newton = new NewtonPage(sheet_, dialogs_, n);
  auto* spline = new SplinePage(sheet_, dialogs_, n, *newton);
  auto* steckbrief = new SteckbriefPage(sheet_, dialogs_);
  connect(steckbrief, &SteckbriefPage::gaussWanted, this,
          [this, gauss](const std::vector<std::vector<QString>>& matrix) {
            gauss->showSystem(matrix);
            tabMain_->setCurrentWidget(gauss);
          });
  auto graphWanted = [this] { tabMain_->setCurrentIndex(0); };
  connect(steckbrief, &SteckbriefPage::graphWanted, this, graphWanted);
  connect(series, &SeriesPage::graphWanted, this, graphWanted);
  connect(newton, &NewtonPage::graphWanted, this, graphWanted);
  connect(spline, &SplinePage::graphWanted, this, graphWanted);
  connect(worked, &WorkedSolutionPage::graphWanted, this, graphWanted);

  // Every visit to a calculator tab starts from a fresh table.
  const TabPage pages[] = {
      {Strip::Main, "Graph", graphPage_, {}},
      {Strip::Main, "Horner", horner, [horner] { horner->newHorner(); }},
      {Strip::Main, "Gauß", gauss, [gauss] { gauss->newGauss(); }},
      {Strip::Main, "Newton Interpolation", newton, [newton] { newton->newNewton(); }},
      {Strip::Main, "Spline Interpolation", spline, [spline] { spline->newSpline(); }},
      {Strip::Main, "Reihen", series, {}},
      {Strip::Main, "Wertetabelle", values, [values] { values->opened(); }},
      {Strip::Main, "Lösungsweg", worked, [worked] { worked->opened(); }},
      {Strip::Main, "Steckbrief", steckbrief, {}},
      {Strip::Parameter, "Kurvalon", kurvalonPage_, {}},
      {Strip::Parameter, "lin. Fkt", new LinearPage(sheet_, dialogs_), {}},
      {Strip::Parameter, "quadr. Fkt", new QuadraticPage(sheet_, dialogs_), {}},
      {Strip::Parameter, "Differential", differentialPage_,
       [this] { differentialPage_->opened(); }},
      {Strip::Parameter, "Integral", integral, [integral] { integral->opened(); }},
      {Strip::Parameter, "DGL's", new DglPage(sheet_, dialogs_), {}},
      {Strip::Parameter, "Schnitt & Tangente", new IntersectionPage(sheet_, dialogs_), {}},
  };
  for (const TabPage& page : pages) addPage(page);
}

void FrmGraph::addPage(const TabPage& page) {
  // "&" would mark a shortcut key: "Schnitt & Tangente" shows its "&".
  const QString caption = QString::fromUtf8(page.caption).replace('&', QStringLiteral("&&"));
  if (page.strip == Strip::Main) {
    tabMain_->addTab(page.page, caption);
  } else {
    graphPage_->addParameterPage(page.page, caption);
  }
  opened_[static_cast<int>(page.strip)].push_back(page.opened);
}

void FrmGraph::connectTabs() {
  auto clicked = [this](Strip strip, QTabWidget* tabs, int tab) {
    const auto& actions = opened_[static_cast<int>(strip)];
    if (tab >= 0 && tab < static_cast<int>(actions.size()) && actions[tab]) {
      tabs->setCurrentIndex(tab);
      actions[tab]();
    }
  };
  connect(tabMain_->tabBar(), &QTabBar::tabBarClicked, this,
          [this, clicked](int tab) { clicked(Strip::Main, tabMain_, tab); });
  // A double click also counts as a click on its tab; going back waits until
  // that click is handled.
  connect(tabMain_->tabBar(), &QTabBar::tabBarDoubleClicked, this, [this] {
    QTimer::singleShot(0, this, [this] {
      tabMain_->setCurrentIndex(0);
      tabParameter()->setCurrentIndex(0);
    });
  });
  connect(tabParameter()->tabBar(), &QTabBar::tabBarClicked, this,
          [this, clicked](int tab) { clicked(Strip::Parameter, tabParameter(), tab); });
}

void FrmGraph::connectSheet() {
  CanvasWidget* canvas = picGraph();
  sheet_.setSurface([canvas] {
    return Sheet::Surface{canvas->size(), canvas->devicePixelRatioF()};
  });
  connect(&sheet_, &Sheet::message, this,
          [this](const QString& text) { showError(dialogs_, text); });
  connect(&sheet_, &Sheet::drawingChanged, canvas, qOverload<>(&QWidget::update));
  connect(&sheet_, &Sheet::termsChanged, this, &FrmGraph::showTerms);
  connect(&sheet_, &Sheet::parametersChanged, this, &FrmGraph::showParameter);
  ParameterRow* row = graphPage_->parameterRow();
  connect(row, &ParameterRow::changed, &sheet_, &Sheet::setParameter);
  connect(row, &ParameterRow::dragStarted, &sheet_, &Sheet::beginParameterDrag);
  connect(row, &ParameterRow::dragEnded, &sheet_, &Sheet::endParameterDrag);
  connect(row, &ParameterRow::familyWanted, &sheet_, &Sheet::drawFamily);
  connect(row, &ParameterRow::refused, this, [this](const QString& text) { showError(dialogs_, text); });
  connect(&sheet_, &Sheet::viewTextsChanged, this, &FrmGraph::showViewTexts);
  connect(&sheet_, &Sheet::labelsChanged, this, &FrmGraph::showLabels);
  connect(&sheet_, &Sheet::historyChanged, this, &FrmGraph::showHistory);
  connect(&sheet_, &Sheet::appearanceChanged, this, [this] {
    showing_ = true;
    kurvalonPage()->showAppearance(sheet_.appearance());
    showing_ = false;
  });
  // The recovery file follows the sheet, at most about once a second.
  recoveryTimer_ = new QTimer(this);
  recoveryTimer_->setSingleShot(true);
  recoveryTimer_->setInterval(1000);
  connect(recoveryTimer_, &QTimer::timeout, this, [this] {
    if (recovery_) recovery_->write(sheet_.recoveryBytes());
  });
  connect(&sheet_, &Sheet::historyChanged, this, [this] {
    if (!recoveryTimer_->isActive()) recoveryTimer_->start();
  });

  // Keys reach the entry field through the combo box or its line edit,
  // depending on where the focus is.
  QComboBox* list = cboFunktionsterm();
  list->installEventFilter(this);
  list->lineEdit()->installEventFilter(this);
  connect(list, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (!showing_) sheet_.setEntryText(text);
  });
  connect(list, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!showing_ && index >= 0) sheet_.selectTerm(index);
  });

  connect(canvas, &CanvasWidget::resized, this, [this] {
    // The parameter row coming or going moves the canvas: that redraw keeps
    // the term chosen in the entry field.
    sheet_.withoutStep([this] {
      if (std::exchange(rowToggled_, false)) {
        sheet_.redrawKeepingEntry();
      } else {
        sheet_.redraw();
      }
    });
    cboFunktionsterm()->setFocus();
  });
  connect(canvas, &CanvasWidget::pressed, this, &FrmGraph::canvasPressed);
  connect(canvas, &CanvasWidget::moved, this, &FrmGraph::canvasMoved);
  connect(canvas, &CanvasWidget::released, this, &FrmGraph::canvasReleased);
  connect(canvas, &CanvasWidget::wheeled, this, [this](QPointF at, double notches, bool fine) {
    sheet_.navigation().wheelZoom(at, notches, fine);
  });
  connect(canvas, &CanvasWidget::labelPressed, this,
          [this](int which) { sheet_.hideLabel(static_cast<Sheet::Label>(which)); });
  connect(canvas, &CanvasWidget::labelDropped, this, [this](int which, QPointF at) {
    sheet_.printLabel(static_cast<Sheet::Label>(which), at);
  });

  KurvalonPage* page = kurvalonPage();
  connect(page, &KurvalonPage::viewTextsEdited, this, [this] {
    if (!showing_) sheet_.typeViewTexts(kurvalonPage()->viewTexts());
  });
  connect(page, &KurvalonPage::viewEntered, &sheet_, &Sheet::redraw);
  connect(page, &KurvalonPage::appearanceChanged, this, [this] {
    sheet_.setAppearance(kurvalonPage()->appearance());
    sheet_.redraw();
  });
  connect(page, &KurvalonPage::lineWidthChosen, this, &FrmGraph::lineWidthChosen);
  connect(page, &KurvalonPage::swatchClicked, this, &FrmGraph::chooseSwatchColor);
  connect(page, &KurvalonPage::gridColorClicked, this, &FrmGraph::chooseGridColor);
  connect(page, &KurvalonPage::calculateRequested, this, &FrmGraph::calculate);
}

QComboBox* FrmGraph::cboFunktionsterm() const {
  return graphPage_->cboFunktionsterm();
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

void FrmGraph::showTerms() {
  QComboBox* list = cboFunktionsterm();
  showing_ = true;
  QStringList shown;
  for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
  if (shown != sheet_.terms()) {
    list->clear();
    list->addItems(sheet_.terms());
  }
  if (list->currentIndex() != sheet_.currentTerm()) list->setCurrentIndex(sheet_.currentTerm());
  if (list->currentText() != sheet_.entryText()) list->setEditText(sheet_.entryText());
  showing_ = false;
  showParameter();
}

void FrmGraph::showParameter() {
  ParameterRow* row = graphPage_->parameterRow();
  const std::optional<Parameter> parameter = sheet_.entryParameter();
  if (parameter) row->show(*parameter);
  if (row->isVisibleTo(this) != parameter.has_value()) {
    rowToggled_ = true;
    row->setVisible(parameter.has_value());
  }
}

void FrmGraph::showViewTexts() {
  showing_ = true;
  kurvalonPage()->setViewTexts(sheet_.viewTexts());
  showing_ = false;
}

void FrmGraph::showHistory() {
  mnuUndo_->setEnabled(sheet_.canUndo());
  mnuRedo_->setEnabled(sheet_.canRedo());
}

void FrmGraph::setRecovery(std::unique_ptr<RecoveryFile> recovery) {
  recovery_ = std::move(recovery);
}

void FrmGraph::offerRecovery() {
  if (!recovery_ || !recovery_->leftOver()) return;
  const QByteArray bytes = *recovery_->leftOver();
  recovery_->forgetLeftOver();
  if (!readRecovery(bytes)) {
    showError(dialogs_,
              QStringLiteral("Die Wiederherstellungsdatei %1 ist beschädigt und wird gelöscht.")
                  .arg(recovery_->path()));
    recovery_->remove();
    return;
  }
  if (dialogs_.ask(QStringLiteral("Kurvalon"),
                   QStringLiteral("Kurvalon wurde nicht ordnungsgemäß beendet. Das letzte Blatt "
                                  "wiederherstellen?"),
                   false, Dialogs::Answer::Yes) == Dialogs::Answer::Yes) {
    sheet_.restoreRecovery(bytes);
  } else {
    recovery_->remove();
  }
}

void FrmGraph::closeEvent(QCloseEvent* event) {
  if (sheet_.modified()) {
    Dialogs::Answer answer = dialogs_.ask(QStringLiteral("Kurvalon"),
                                          QStringLiteral("Die Änderungen am Blatt speichern?"),
                                          true, Dialogs::Answer::Yes);
    if (answer == Dialogs::Answer::Cancel || (answer == Dialogs::Answer::Yes && !speichern())) {
      event->ignore();
      return;
    }
  }
  if (recovery_) recovery_->remove();
  recoveryTimer_->stop();
  event->accept();
}

void FrmGraph::showLabels() {
  for (int i = 0; i < 2; ++i) picGraph()->showLabel(i, sheet_.label(static_cast<Sheet::Label>(i)));
}

void FrmGraph::calculate() {
  KurvalonPage* page = kurvalonPage();
  // A family's member with the current value of its parameter.
  const Sheet::CalculatorTerm member = sheet_.calculatorTerm(sheet_.entryText());
  if (!member.refusal.isEmpty()) {
    showError(dialogs_, member.refusal);
    return;
  }
  CalculatorResult result = ::calculate(sheet_.engine(), member.term, page->txtX()->text());
  if (!member.note.isEmpty()) result.caption = member.note + QStringLiteral(": ") + result.caption;
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
    sheet_.setAppearance(page->appearance());
    sheet_.redraw();
  }
}

void FrmGraph::chooseGridColor() {
  KurvalonPage* page = kurvalonPage();
  if (std::optional<QColor> color = dialogs_.chooseColor(page->gridColor())) {
    page->setGridColor(*color);
    sheet_.setAppearance(page->appearance());
    sheet_.redraw();
  }
}

void FrmGraph::lineWidthChosen() {
  sheet_.setAppearance(kurvalonPage()->appearance());
  // With an empty entry field the new width waits for the next drawing.
  if (!sheet_.entryText().isEmpty()) sheet_.redraw();
}

void FrmGraph::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (isMinimized()) return;
  tabMain_->setCurrentIndex(0);
  cboFunktionsterm()->setFocus();
}

bool FrmGraph::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cboFunktionsterm() || watched == cboFunktionsterm()->lineEdit()) {
    if (event->type() == QEvent::FocusIn) tabMain_->setCurrentIndex(0);
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        tabParameter()->setCurrentIndex(0);
        sheet_.enterTerm();
        showParameter();  // also for a term refused before it was listed
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}
