#pragma once
// Pages of a tab strip that later code fills in.

#include <QTabWidget>

// Puts `page` in place of the page at `index`, keeping the tab's caption.
inline void replaceTabPage(QTabWidget& tabs, int index, QWidget* page) {
  QString caption = tabs.tabText(index);
  QWidget* old = tabs.widget(index);
  tabs.removeTab(index);
  delete old;
  tabs.insertTab(index, page, caption);
}
