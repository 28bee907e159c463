#pragma once
// "Zeichne...": draws a computed equation as a graph of the function list.

class FrmGraph;
class QString;

// An equation not yet listed becomes the last entry and takes that entry's
// colour; a listed one is drawn again in the current colour. An empty
// equation gives a message and draws nothing.
void drawEquation(FrmGraph& window, const QString& equation);
