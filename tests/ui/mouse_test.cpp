#include <QAction>
#include <QMouseEvent>
#include <QRegularExpression>

#include "engine/number_text.h"
#include "ui/window_fixture.h"

namespace {

class MouseTest : public WindowTest {
 protected:
  // Widget position of a world point of the current view.
  QPoint at(float x, float y) {
    const PixelFrame& f = window->sheet().frame();
    QPointF canvasPoint(f.pixelX(x, window->sheet().view()), f.pixelY(y, window->sheet().view()));
    return QPoint(qRound(canvasPoint.x()), window->picGraph()->height() - qRound(canvasPoint.y()));
  }

  void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint position) {
    QMouseEvent event(type, position, window->picGraph()->mapToGlobal(position), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(window->picGraph(), &event);
  }

  // Press, move through the points, release at the last one, with `button` held.
  void drag(const std::vector<QPoint>& path, Qt::MouseButton button = Qt::LeftButton) {
    send(QEvent::MouseButtonPress, button, button, path.front());
    for (size_t i = 1; i < path.size(); ++i) send(QEvent::MouseMove, Qt::NoButton, button, path[i]);
    send(QEvent::MouseButtonRelease, button, Qt::NoButton, path.back());
  }

  double field(int index) {
    return parseNumber(window->kurvalonPage()->viewTexts()[index]).value_or(NAN);
  }
};

TEST_F(MouseTest, StatusBarShowsTheWorldPointUnderThePointer) {
  send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, at(2, -3));
  EXPECT_EQ(window->statusPanel(1), QStringLiteral("x = 2"));
  EXPECT_EQ(window->statusPanel(2), QStringLiteral("y = -3"));
  // Two decimals with a tick spacing written with two.
  window->kurvalonPage()->setViewTexts({"-1", "1", "-1", "1", "0,25", "0,25"});
  window->sheet().redraw();
  send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, at(0.37f, -0.25f));
  QString shown = window->statusPanel(1);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^x = 0,\\d\\d$")).match(shown).hasMatch())
      << shown.toStdString();
  EXPECT_NEAR(parseNumber(shown.mid(4)).value_or(NAN), 0.37, 0.011);
  EXPECT_EQ(window->statusPanel(2), QStringLiteral("y = -0,25"));
}

TEST_F(MouseTest, ZoomRectangleBecomesTheNewWindow) {
  window->buttonClick(QStringLiteral("zoom"));
  double pixel = 1 / std::min(window->sheet().frame().massX, window->sheet().frame().massY);
  drag({at(-4, 6), at(0, 3), at(2, 1)});
  EXPECT_FALSE(window->modeOn(QStringLiteral("zoom")));
  EXPECT_NEAR(window->sheet().view().xmin, -4, pixel);
  EXPECT_NEAR(window->sheet().view().xmax, 2, pixel);
  EXPECT_NEAR(window->sheet().view().ymin, 1, pixel);
  EXPECT_NEAR(window->sheet().view().ymax, 6, pixel);
  EXPECT_EQ(window->kurvalonPage()->viewTexts()[4], QStringLiteral("1"));
  EXPECT_NEAR(field(0), -4, pixel);
}

TEST_F(MouseTest, ZoomClickWithoutMovementKeepsTheWindowAndTheMode) {
  QImage before = window->sheet().canvas().image();
  window->buttonClick(QStringLiteral("zoom"));
  drag({at(3, 3), at(5, 3)});  // back on the same row: no height
  EXPECT_TRUE(window->modeOn(QStringLiteral("zoom")));
  EXPECT_EQ(window->kurvalonPage()->viewTexts(), kDefaultViewTexts);
  EXPECT_EQ(window->sheet().canvas().image(), before);  // the rubber band is gone again
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MouseTest, RightButtonInZoomModeWritesTheCornerButDrawsNoBox) {
  QImage before = window->sheet().canvas().image();
  window->buttonClick(QStringLiteral("zoom"));
  drag({at(-4, 6), at(2, 1)}, Qt::RightButton);
  EXPECT_NEAR(field(0), -4, 0.1);
  EXPECT_EQ(window->sheet().canvas().image(), before);
  EXPECT_TRUE(window->modeOn(QStringLiteral("zoom")));
}

TEST_F(MouseTest, PointIsABlackRingWhereTheButtonIsReleased) {
  window->buttonClick(QStringLiteral("point"));
  QPoint release = at(4.5f, 4.5f);
  drag({at(-5.5f, -5.5f), release});
  EXPECT_FALSE(window->modeOn(QStringLiteral("point")));
  const QImage& image = window->sheet().canvas().image();
  auto blackAround = [&](QPoint centre) {
    int n = 0;
    for (int y = centre.y() - 5; y <= centre.y() + 5; ++y) {
      for (int x = centre.x() - 5; x <= centre.x() + 5; ++x) n += image.pixel(x, y) == qRgb(0, 0, 0);
    }
    return n;
  };
  EXPECT_GT(blackAround(release), 6);
  EXPECT_EQ(blackAround(at(-5.5f, -5.5f)), 0);
  EXPECT_EQ(window->sheet().canvas().drawWidth(), 3);
}

TEST_F(MouseTest, LineStaysFromPressToTheLastMove) {
  QImage before = window->sheet().canvas().image();
  window->buttonClick(QStringLiteral("line"));
  drag({at(-5.5f, -2.5f), at(0.5f, 0.5f), at(4.5f, 6.5f)});
  EXPECT_FALSE(window->modeOn(QStringLiteral("line")));
  const QImage& image = window->sheet().canvas().image();
  QPoint middle = at(-0.5f, 2);  // halfway along the final line
  EXPECT_EQ(image.pixel(middle), qRgb(0, 0, 0));  // white inverted
  // The intermediate line to (0.5, 0.5) was removed again.
  QPoint removed = at(-2.5f, -1);
  EXPECT_EQ(image.pixel(removed), before.pixel(removed));

  window->buttonClick(QStringLiteral("line"));
  QImage unchanged = window->sheet().canvas().image();
  drag({at(1.5f, 1.5f)});
  EXPECT_EQ(window->sheet().canvas().image(), unchanged);
}

}  // namespace
