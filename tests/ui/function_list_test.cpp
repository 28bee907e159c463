#include <QComboBox>

#include "ui/window_fixture.h"

namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 192), kAxes(64, 64, 64);

TEST_F(WindowTest, EnterAddsTheTermAndDrawsIt) {
  enterTerm(QStringLiteral("x^2-2x"));
  EXPECT_EQ(window->cboFunktionsterm()->count(), 1);
  EXPECT_GT(count(kRed), 300);
  EXPECT_TRUE(dialogs.messages.empty());
  enterTerm(QStringLiteral("sin(x)"));
  EXPECT_EQ(window->cboFunktionsterm()->count(), 2);
  EXPECT_GT(count(kBlue), 300);
}
}  // namespace
