#pragma once

#include <QString>

#include "pages/EntryField.h"

// Why a box's text is refused for its field, in words ("Whole dollars only."),
// or an empty text when the field takes it.
QString EntryRefusal(const QString& text, const PlanField& field, EntryKind kind);
