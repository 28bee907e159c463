// The mouse on the canvas: coordinates in the status bar, the zoom rectangle,
// points and lines; and the two labels placed by drag and drop.
#include <QDataStream>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QStatusBar>
#include <cmath>

#include "engine/number_text.h"
#include "ui/canvas_widget.h"
#include "ui/cursors.h"
#include "ui/frm_graph.h"
#include "ui/kurvalon_page.h"

namespace {

// Canvas positions of a gesture are whole pixels, a half rounded to even.
int whole(double value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

QPointF FrmGraph::worldPoint(double x, double y) const {
  // Computed in double, kept in single precision like the view itself.
  float worldX = static_cast<float>(view_.xmin + (x - frame_.pixLinks) / frame_.massX);
  float worldY = static_cast<float>(view_.ymin + (y - frame_.pixUnten) / frame_.massY);
  return QPointF(worldX, worldY);
}

void FrmGraph::canvasPressed(Qt::MouseButton, QPointF at) {
  auto begin = [&] {
    startX = endX = whole(at.x());
    startY = endY = whole(at.y());
  };
  if (modeOn(QStringLiteral("zoom"))) {
    canvas_.setLineStyle(Canvas::LineStyle::Dotted);
    picGraph()->setCursor(zoomCursor());
    begin();
    ViewTexts texts = kurvalonPage()->viewTexts();
    zoomOldXmin_ = texts[0];
    zoomOldYmax_ = texts[3];
    QPointF corner = worldPoint(startX, startY);
    texts[0] = numberText(static_cast<float>(corner.x()));
    texts[3] = numberText(static_cast<float>(corner.y()));
    kurvalonPage()->setViewTexts(texts);
  }
  if (modeOn(QStringLiteral("point"))) {
    canvas_.setLineStyle(Canvas::LineStyle::Dotted);
    picGraph()->setCursor(pointCursor());
    begin();
  }
  if (modeOn(QStringLiteral("line"))) {
    picGraph()->setCursor(pointCursor());
    canvas_.setDrawWidth(1);
    begin();
  }
}

void FrmGraph::canvasMoved(Qt::MouseButtons buttons, QPointF at) {
  QPointF world = worldPoint(at.x(), at.y());
  auto shown = [](double value, int decimals) {
    return numberText(roundHalfEven(value, decimals));
  };
  auto panel = [this](int index) {
    return sbrGraph_->findChild<QLabel*>(QStringLiteral("sbrGraph(%1)").arg(index));
  };
  panel(1)->setText(QStringLiteral("x = ") + shown(world.x(), frame_.stellenX));
  panel(2)->setText(QStringLiteral("y = ") + shown(world.y(), frame_.stellenY));

  // Rubber bands in invert mode: drawing the last one again removes it.
  const bool leftOnly = buttons == Qt::LeftButton;
  const int x = whole(at.x()), y = whole(at.y());
  auto rubberBand = [&](void (Canvas::*draw)(double, double, double, double)) {
    canvas_.setDrawMode(Canvas::DrawMode::Invert);
    (canvas_.*draw)(startX, startY, endX, endY);
    (canvas_.*draw)(startX, startY, x, y);
    endX = x;
    endY = y;
  };
  if (modeOn(QStringLiteral("zoom")) && leftOnly) rubberBand(&Canvas::box);
  if (modeOn(QStringLiteral("line")) && leftOnly) rubberBand(&Canvas::line);
  picGraph()->update();
}

void FrmGraph::canvasReleased(Qt::MouseButton button, QPointF at) {
  if (button != Qt::LeftButton) return;
  if (modeOn(QStringLiteral("zoom"))) {
    if (endX == startX || endY == startY) {
      // An empty rectangle: the old view stays, and so does zoom mode.
      canvas_.box(startX, startY, endX, endY);  // still inverting: removes the band
      canvas_.setDrawMode(Canvas::DrawMode::Copy);
      ViewTexts texts = kurvalonPage()->viewTexts();
      texts[0] = zoomOldXmin_;
      texts[3] = zoomOldYmax_;
      kurvalonPage()->setViewTexts(texts);
      picGraph()->update();
    } else {
      ViewTexts texts = kurvalonPage()->viewTexts();
      QPointF corner = worldPoint(endX, endY);
      texts[1] = numberText(static_cast<float>(corner.x()));
      texts[2] = numberText(static_cast<float>(corner.y()));
      kurvalonPage()->setViewTexts(texts);
      canvas_.setDrawMode(Canvas::DrawMode::Copy);
      redraw();
      picGraph()->setCursor(Qt::CrossCursor);
      toolButton(QStringLiteral("zoom"))->setChecked(false);
    }
  }
  if (modeOn(QStringLiteral("point"))) {
    canvas_.setDrawWidth(3);
    canvas_.setForeColor(Qt::black);
    canvas_.circle(at.x(), at.y(), 3);
    picGraph()->setCursor(Qt::CrossCursor);
    toolButton(QStringLiteral("point"))->setChecked(false);
    picGraph()->update();
  }
  if (modeOn(QStringLiteral("line"))) {
    picGraph()->setCursor(Qt::CrossCursor);
    canvas_.setDrawMode(Canvas::DrawMode::Copy);
    toolButton(QStringLiteral("line"))->setChecked(false);
  }
}

void FrmGraph::labelPressed(QLabel* label, QPointF grab) {
  labelGrab_ = grab;
  label->hide();
  if (!isVisible()) return;  // nothing to drag in a window that is not shown
  auto* mime = new QMimeData;
  QByteArray data;
  QDataStream stream(&data, QIODevice::WriteOnly);
  stream << label->objectName() << grab;
  mime->setData(QLatin1String(CanvasWidget::kLabelMime), data);
  auto* drag = new QDrag(label);
  drag->setMimeData(mime);
  drag->setPixmap(label->grab());
  drag->setHotSpot(grab.toPoint());
  drag->exec(Qt::MoveAction);
}

void FrmGraph::labelDropped(const QString& name, QPointF topLeft) {
  QLabel* dropped = name == lblGraph_->objectName()       ? lblGraph_
                    : name == lblKommentar_->objectName() ? lblKommentar_
                                                          : nullptr;
  if (!dropped) return;
  // The text's top-left corner goes where the label's was when let go.
  QPointF at = picGraph()->toCanvas(topLeft);
  for (QLabel* label : {lblGraph_, lblKommentar_}) {
    if (dropped->text() != label->text()) continue;
    canvas_.setCurrentX(at.x());
    canvas_.setCurrentY(at.y());
    canvas_.print(label->text());
  }
  picGraph()->update();
}
