// Drives the real main window with a fixed seed: random and hostile texts in
// every field and grid, clicks on every button, action and tab, mouse
// gestures on the canvas, dialogs answered at random. It fails on an
// exception reaching the event loop, a sanitizer report (the sanitizer build
// aborts) or a single action taking too long.
//
//   KURVALON_RANDOM_ACTIONS  number of actions (default 3000; by hand 10000)
//   KURVALON_RANDOM_SEED     seed (default 20261206)

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <set>

#include "gui_app.h"
#include "random_dialogs.h"
#include "ui/widgets/canvas_widget.h"
#include "ui/widgets/value_grid.h"
#include "ui/window/frm_graph.h"

namespace {

// Counts exceptions that would otherwise leave an event handler.
class GuardedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  static inline int escaped = 0;
  static inline std::string lastEscape;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      lastEscape = error.what();
    } catch (...) {
      lastEscape = "unknown exception";
    }
    ++escaped;
    return false;
  }
};

// Types each character as a key press; characters QTest has no key for go in
// as key events that carry only their text, as an input method sends them.
void typeText(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
      QTest::keyClick(widget, static_cast<char>(c.unicode()));
    } else {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QCoreApplication::sendEvent(widget, &press);
    }
  }
}

// The name reached() knows a control by.
QString nameOf(const QObject* control) {
  const QString name = control->objectName();
  return name.isEmpty() ? QString::fromLatin1(control->metaObject()->className()) : name;
}

int fromEnvironment(const char* name, int fallback) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok && value > 0 ? value : fallback;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kActionLimitMs = 20000;  // the sanitizers slow everything down
#else
constexpr qint64 kActionLimitMs = 6000;
#endif

class RandomUser {
 public:
  RandomUser(FrmGraph& window, std::mt19937& random) : window_(window), random_(random) {}

  // Performs one action and says what it was.
  std::string act() {
    const unsigned pick = random_() % 100;
    if (pick < 22) return typeIntoField();
    if (pick < 42) return clickButton();
    if (pick < 54) return switchTab();
    if (pick < 63) return triggerAction();
    if (pick < 70) return mouseGesture();
    if (pick < 73) return turnWheel();
    if (pick < 81) return typeIntoGrid();
    if (pick < 85) return stepSpinner();
    if (pick < 94) return enterTerm();
    if (pick < 97) return undoOrRedo();
    return dropLabel();
  }

  const std::set<QString>& reached() const { return reached_; }

 private:
  // A random one of the visible and enabled widgets of type T, or null.
  template <typename T>
  T* any() {
    std::vector<T*> usable;
    for (T* widget : window_.findChildren<T*>()) {
      if (widget->isVisible() && widget->isEnabled()) usable.push_back(widget);
    }
    return usable.empty() ? nullptr : usable[random_() % usable.size()];
  }

  int below(int n) { return static_cast<int>(random_() % n); }

  std::string note(QObject* control, const std::string& what) {
    reached_.insert(nameOf(control));
    return what + " " + nameOf(control).toStdString();
  }

  std::string typeIntoField() {
    QLineEdit* field = any<QLineEdit>();
    if (!field) return "no field";
    const QString text = hostileText(random_);
    if (text.size() <= 24 && random_() % 2) {
      field->selectAll();
      typeText(field, text);
    } else {
      field->setText(text);
    }
    if (random_() % 3 == 0) QTest::keyClick(field, Qt::Key_Return);
    return note(field, "type [" + text.left(40).toStdString() + "] into");
  }

  std::string clickButton() {
    QAbstractButton* button = any<QAbstractButton>();
    if (!button) return "no button";
    button->click();
    return note(button, "click");
  }

  std::string switchTab() {
    QTabBar* bar = any<QTabBar>();
    if (!bar || bar->count() == 0) return "no tab bar";
    const int tab = below(bar->count());
    const Qt::MouseButton button = random_() % 4 ? Qt::LeftButton : Qt::RightButton;
    if (random_() % 10 == 0) {
      QTest::mouseDClick(bar, button, {}, bar->tabRect(tab).center());
    } else {
      QTest::mouseClick(bar, button, {}, bar->tabRect(tab).center());
    }
    return note(bar, "tab " + std::to_string(tab) + " of");
  }

  // Runs of undo and redo, through the menu or the keys.
  std::string undoOrRedo() {
    const bool undo = random_() % 3 != 0;
    const int times = 1 + below(5);
    for (int i = 0; i < times; ++i) {
      if (random_() % 2) {
        window_.findChild<QAction*>(undo ? QStringLiteral("mnuUndo") : QStringLiteral("mnuRedo"))
            ->trigger();
      } else {
        QTest::keyClick(window_.picGraph(), undo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
      }
      QCoreApplication::processEvents();
    }
    return std::string(undo ? "undo" : "redo") + " x" + std::to_string(times);
  }

  std::string triggerAction() {
    std::vector<QAction*> actions;
    for (QAction* action : window_.findChildren<QAction*>()) {
      // Closing the window would leave nothing to drive.
      if (action->isEnabled() && !action->isSeparator() &&
          action->objectName() != QStringLiteral("mnuEnd")) {
        actions.push_back(action);
      }
    }
    if (actions.empty()) return "no action";
    QAction* action = actions[random_() % actions.size()];
    action->trigger();
    return note(action, "trigger " + action->text().toStdString());
  }

  void mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
    CanvasWidget* canvas = window_.picGraph();
    QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &event);
  }

  std::string mouseGesture() {
    CanvasWidget* canvas = window_.picGraph();
    if (!canvas->isVisible()) return "canvas hidden";
    auto point = [&] {
      // Mostly inside, sometimes beyond the edges.
      return QPoint(below(canvas->width() + 80) - 40, below(canvas->height() + 80) - 40);
    };
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton button = buttons[random_() % 3];
    mouse(QEvent::MouseButtonPress, button, button, point());
    const int moves = below(6);
    for (int i = 0; i < moves; ++i) mouse(QEvent::MouseMove, Qt::NoButton, button, point());
    if (random_() % 8) mouse(QEvent::MouseButtonRelease, button, Qt::NoButton, point());
    return note(canvas, "gesture with " + std::to_string(moves) + " moves on");
  }

  // Notches both ways, whole or in parts, sometimes fine with Strg.
  std::string turnWheel() {
    CanvasWidget* canvas = window_.picGraph();
    if (!canvas->isVisible()) return "canvas hidden";
    const QPoint at(below(canvas->width()), below(canvas->height()));
    const int deltas[] = {120, -120, 360, -480, 15, -40, 1200};
    const int delta = deltas[random_() % std::size(deltas)];
    const Qt::KeyboardModifiers keys = random_() % 3 ? Qt::NoModifier : Qt::ControlModifier;
    QWheelEvent wheel(at, canvas->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, keys,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(canvas, &wheel);
    return note(canvas, "wheel " + std::to_string(delta) + " on");
  }

  std::string typeIntoGrid() {
    ValueGrid* grid = any<ValueGrid>();
    if (!grid || grid->rows() < 2 || grid->cols() < 2) return "no grid";
    const int row = below(grid->rows());
    const int col = below(grid->cols());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(row, col)).center());
    const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right,     Qt::Key_Up,
                            Qt::Key_Down, Qt::Key_Backspace, Qt::Key_Return};
    if (random_() % 3 == 0) {
      QTest::keyClick(grid, keys[random_() % std::size(keys)]);
    } else {
      typeText(grid, hostileText(random_).left(24));
    }
    return note(grid, "type into cell " + std::to_string(row) + "," + std::to_string(col) + " of");
  }

  std::string stepSpinner() {
    QSpinBox* spinner = any<QSpinBox>();
    if (!spinner) return "no spinner";
    if (random_() % 2) {
      spinner->stepBy(below(7) - 3);
    } else {
      QTest::keyClick(spinner, random_() % 2 ? Qt::Key_Up : Qt::Key_Down);
    }
    return note(spinner, "step");
  }

  std::string enterTerm() {
    static const char* const terms[] = {"x^2-2x", "sin(x)",      "1/x",       "tan(x)", "x^3-3x",
                                        "ln(x)",  "sqrt(4-x^2)", "exp(-x^2)", "0,5x+1"};
    QComboBox* list = window_.cboFunktionsterm();
    if (!list->isVisible()) return "entry hidden";
    const QString term = random_() % 4 ? QString::fromUtf8(terms[random_() % std::size(terms)])
                                       : hostileText(random_);
    list->setEditText(term);
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    return note(list, "enter [" + term.left(40).toStdString() + "] in");
  }

  std::string dropLabel() {
    const QString name =
        random_() % 2 ? QStringLiteral("lblGraph") : QStringLiteral("lblKommentar");
    const QPointF at(below(1400) - 200, below(1000) - 200);
    window_.picGraph()->dropLabel(name, at);
    return note(window_.picGraph(), "drop " + name.toStdString() + " on");
  }

  FrmGraph& window_;
  std::mt19937& random_;
  std::set<QString> reached_;
};

TEST(RandomUse, NoActionCrashesHangsOrThrows) {
  ensureApplication<GuardedApplication>();
  const int actions = fromEnvironment("KURVALON_RANDOM_ACTIONS", 3000);
  const int seed = fromEnvironment("KURVALON_RANDOM_SEED", 20261206);
  std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  RandomDialogs dialogs(random, scratch.path());
  Engine engine;
  Sheet sheet(engine);
  FrmGraph window(sheet, dialogs);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  RandomUser user(window, random);

  std::pair<qint64, std::string> slowest;  // milliseconds and the action
  QElapsedTimer timer;
  for (int i = 0; i < actions; ++i) {
    // Bring the window back if an action hid it.
    if (!window.isVisible()) window.show();
    timer.start();
    std::string action;
    try {
      action = user.act();
      QCoreApplication::processEvents();
    } catch (const std::exception& error) {
      FAIL() << "action " << i << " (" << action << ") threw " << error.what();
    }
    const qint64 elapsed = timer.elapsed();
    ASSERT_EQ(GuardedApplication::escaped, 0)
        << "action " << i << " (" << action << "): " << GuardedApplication::lastEscape;
    ASSERT_LE(elapsed, kActionLimitMs) << "action " << i << " took too long: " << action;
    if (elapsed > slowest.first) slowest = {elapsed, action};
  }
  std::cout << actions << " actions (seed " << seed << "), " << user.reached().size()
            << " controls reached, " << dialogs.messages << " messages, slowest " << slowest.first
            << " ms: " << slowest.second << "\n";
  EXPECT_GT(user.reached().size(), 60u);  // the walk must reach the pages, not stay on one
}

}  // namespace
