#pragma once
// Messages that more than one calculator shows, in one place.

#include <QString>

inline const QString kNoTermMessage =
    QStringLiteral("Sie haben noch keinen Funktionsterm eingegeben!");
inline const QString kTermErrorMessage =
    QStringLiteral("Fehler bei der Eingabe des Funktionsterms!");
inline const QString kCoefficientErrorMessage =
    QStringLiteral("Fehler bei der Eingabe der Koeffizienten!");
inline const QString kNoDerivativesMessage =
    QStringLiteral("Sie haben noch keine Ableitungen gebildet!");
inline const QString kWrongValuesMessage = QStringLiteral("Sie haben falsche Werte eingegeben!");
inline const QString kValuesTooLargeMessage =
    QStringLiteral("Die Werte sind zu groß für diese Berechnung!");
inline const QString kUndefinedText = QStringLiteral("nicht definiert");
