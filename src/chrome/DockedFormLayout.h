#pragma once

class QWidget;
class TDock;

// Puts the four docks on their edges of `form` around `client`: the top and bottom docks span
// the whole width, the left and right docks the height between them.
void LayoutDockedForm(QWidget* form, TDock* top, TDock* bottom, TDock* left, TDock* right,
                      QWidget* client);
