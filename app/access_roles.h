#pragma once

#include <QString>

class TForm1;
class TForm18;

// The roles an access word selects.
enum class Role { Refused, Full, Planner, Master, Warehouse };

// The role of a typed word: trimmed, then compared exactly.
Role roleOfWord(const QString& typed);

bool isFullAccessWord(const QString& word);
QString masterWord();

// Disables the controls a role may not use, on the journal window and on
// the summary reports window.
void applyRole(Role role, TForm1& journal, TForm18& reports);
