#pragma once

#include <QString>

#include "pages/EntryRows.h"

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

// The object name of the box that edits `field`: the record's own name for
// the field ("Age1"), so tests and tools find a box by what it holds. Empty
// for a row without a field.
QString BoxName(const PlanField& field);
// The object name of the label beside that box.
QString LabelName(const PlanField& field);
