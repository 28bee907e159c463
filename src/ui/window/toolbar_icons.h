#pragma once
// Toolbar pictograms painted in code, so the program ships no image files and
// the icons stay sharp at any screen scale.

#include <QIcon>
#include <QString>

// The icon for a toolbar key such as "new", "graph" or "zoomin_step"; a null
// icon for a key without a pictogram. Holds a 24x24 and a 48x48 (2x) pixmap.
QIcon toolbarIcon(const QString& key);
