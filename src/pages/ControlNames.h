#pragma once

#include <QString>

class QWidget;

// The words of a label as a screen reader should say them: without the
// mnemonic marker, the dot leaders and a closing colon.
QString LabelWords(const QString& caption);

// Gives every edit box, check box and radio button in `content` that has no
// name of its own the words of the label level with it on its left (the
// nearest one), or of its tooltip when no label stands there. Runs again
// whenever labels change, as names it gave are replaced; names set by hand
// stay.
void NameControlsFromLabels(QWidget* content);
