#pragma once

#include <span>

class QRadioButton;
class QWidget;

// Puts a group of exclusive radio buttons into the Tab chain right after
// `previous`, with the checked button as the group's one Tab stop (the arrow
// keys move on from there). Qt moves that stop only when a button takes the
// focus, not when a fill checks one, and a page's chain set up before the
// page is placed in the window does not survive the move, so pages call this
// after each fill.
void PlaceRadioGroupInTabChain(QWidget* previous, std::span<QRadioButton* const> buttons);
