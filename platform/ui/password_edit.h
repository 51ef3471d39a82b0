#pragma once

#include <QChar>

class QLineEdit;

namespace pf {

// Shows the given character in place of each typed character.
void setPasswordChar(QLineEdit* edit, QChar mask);

}   // namespace pf
